// The one solution the copy writes and the replay follows, from log lines and marks alone: held
// still it makes the log's cube and invents no move, and a short solve is copied as it was found.
#include "Solution.h"

#include "ShortSolve.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using notation::Position;
using notation::Turn;
using relecture::Marque;

QString Ligne(Turn t)
{
    const QString log = QString::fromUtf16(notation::Info(t).log);
    // A whole-cube turn's line ends with the face it brought forward, which names no move.
    return t >= Turn::Haut ? log + QStringLiteral(" 2") : log;
}

struct Journal {
    QStringList lignes;
    std::vector<Marque> marques;
    std::vector<Turn> tours;
    void Ajouter(const std::vector<Turn>& tours_, const Marque& m, bool separateur = false)
    {
        for (Turn t : tours_) {
            lignes << Ligne(t);
            marques.push_back(m);
            tours.push_back(t);
        }
        if (separateur) {
            lignes << QString::fromUtf16(notation::Separator);
            marques.push_back(m);
        }
    }
};

bool EstTranche(Turn t) { return QByteArrayView("MES").contains(notation::Info(t).letter); }

// The moves of the copy, comments left out.
QStringList Coups(const QString& texte)
{
    QStringList coups;
    for (const QString& l : texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!l.startsWith(QLatin1String("//")))
            coups << l.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return coups;
}

TEST(Solution, PartsNameTheirCommandAndHowToHoldTheCubeAndRenameFacesAfterWholeCubeTurns)
{
    Journal j;
    j.Ajouter({Turn::VHD}, {u"Melange"_qs, 1});
    j.Ajouter({Turn::VHD, Turn::Haut, Turn::VHD}, {u"PA"_qs, 2}, true);
    j.Ajouter({Turn::HGH, Turn::HGH, Turn::VBD, Turn::VBG}, {u"FaceH"_qs, 3});
    j.Ajouter({Turn::HGB, Turn::HHD}, {});
    // PA turned the cube up (x): its second R is an R again, and FaceH's top is the front as the
    // cube was held when the solution began. Two layers turning the same way stay two moves.
    const Position fin = notation::Played(Position::Solved(), j.tours);
    const relecture::Solution s = relecture::Resoudre(j.lignes, j.marques, 1, fin, relecture::Tenue::Immobile);
    EXPECT_EQ(relecture::Texte(s), u"// PA \u2014 cycle three top edges, left to back to right: white on top, green in front\nR2\n"
                                   u"// FaceH \u2014 make the top face one colour: white on top, green in front\nF2 R' L\n"
                                   u"// by hand: white on top, green in front\nB' F'\n"_qs);
    ASSERT_EQ(s.parties.size(), 3u);
    EXPECT_EQ(s.coups, 6);
    EXPECT_EQ(s.parties[1].avant, 1);
    EXPECT_EQ(relecture::OuDansLaPartie(s.parties[1], 2), u"FaceH (1 of 5): make the top face one colour, step 2 of 3"_qs);
    EXPECT_EQ(relecture::OuDansLaPartie(s.parties[0], 1), u"PA: cycle three top edges, left to back to right, step 1 of 1"_qs);
    EXPECT_EQ(relecture::OuDansLaPartie(s.parties[2], 2), u"by hand, step 2 of 2"_qs);
    // Each move knows the log lines it came from: R2 from lines 1 and 3.
    EXPECT_EQ(s.parties[0].coups[0].premiere, 1);
    EXPECT_EQ(s.parties[0].coups[0].derniere, 3);
    EXPECT_EQ(relecture::Mots(s.parties[0].coups[0].move), u"right face, half turn"_qs);

    // As written, every turn line is a step, the whole-cube turn too, from the log's first line.
    const relecture::Solution e = relecture::Resoudre(j.lignes, j.marques, 0, fin, relecture::Tenue::CommeEcrit);
    EXPECT_EQ(e.coups, int(j.tours.size()));
    EXPECT_EQ(notation::Name(e.parties[1].coups[1].move), u"x"_qs);

    // A slice moves the centres: the next part is held by the colours then on top and in front.
    Journal k;
    k.Ajouter({Turn::VBM}, {u"CD"_qs, 1}, true);
    k.Ajouter({Turn::VHM}, {u"Face B"_qs, 2});
    const relecture::Solution t = relecture::Resoudre(k.lignes, k.marques, 0, Position::Solved(), relecture::Tenue::Immobile);
    EXPECT_EQ(relecture::Texte(t), u"// CD \u2014 bring the bottom-right edge up to the back right of the middle layer: white on top, green in front\nM\n"
                                   u"// Face B \u2014 turn the cube over and finish it: blue on top, white in front\nM'\n"
                                   u"// The cube is solved: 2 moves.\n"_qs);
}

// Random logs of every turn with random marks: held still, the copy played on the cube it starts
// from makes the log's cube, up to how it is held; every part is held as its comment says; no slice
// is made up, no whole-cube turn written. As written, the steps make the log's cube exactly.
TEST(Solution, HeldStillTheCopyMakesTheLogsCubeAndMakesNothingUp)
{
    const Marque marques[] = {{}, {u"Melange"_qs, 0}, {u"Coller"_qs, 0}, {u"FaceH"_qs, 0}, {u"PA"_qs, 0},
                              {u"Court"_qs, 0}, {u"Zone M"_qs, 0}, {u"T"_qs, 0}};
    std::mt19937 rng(26);
    for (int essai = 0; essai < 300; ++essai) {
        SCOPED_TRACE(essai);
        Journal j;
        const int parties = 1 + int(rng() % 8);
        for (int p = 0; p < parties; ++p) {
            Marque m = marques[rng() % std::size(marques)];
            m.serie = m.commande.isEmpty() ? 0 : p + 1;
            // Often from a few turns only, so that merges and cancellations abound.
            const int premier = int(rng() % 3) * 6, sortes = essai % 3 ? 6 : notation::TurnCount;
            std::vector<Turn> tours;
            for (int n = int(rng() % 12); n > 0; --n)
                tours.push_back(Turn(essai % 3 ? premier + int(rng() % sortes) : int(rng() % sortes)));
            if (rng() % 2)
                tours.insert(tours.begin() + long(rng() % (tours.size() + 1)), Turn(int(Turn::Haut) + int(rng() % 4)));
            j.Ajouter(tours, m, rng() % 2);
        }
        const Position debut = notation::Played(Position::Solved(), std::vector<Turn>(30, Turn::VHD));
        const Position fin = notation::Played(debut, j.tours);
        const int depuis = relecture::DebutDepuisMelange(relecture::Tranches(j.lignes, j.marques));
        const relecture::Solution s = relecture::Resoudre(j.lignes, j.marques, depuis, fin, relecture::Tenue::Immobile);
        std::vector<Turn> avant, apres;
        for (int l = 0; l < j.lignes.size(); ++l)
            if (const auto t = notation::FromLog(j.lignes[l]))
                (l < depuis ? avant : apres).push_back(*t);
        ASSERT_EQ(s.depart, notation::Played(debut, avant));

        const QString texte = relecture::Texte(s);
        const notation::Parsed copie = notation::Parse(texte);
        ASSERT_TRUE(copie) << texte.toStdString();
        EXPECT_EQ(notation::HeldStandard(notation::Played(s.depart, copie.turns)), notation::HeldStandard(fin)) << texte.toStdString();
        EXPECT_TRUE(std::none_of(copie.turns.begin(), copie.turns.end(), [](Turn t) { return t >= Turn::Haut; }));
        EXPECT_LE(std::count_if(copie.turns.begin(), copie.turns.end(), EstTranche), std::count_if(apres.begin(), apres.end(), EstTranche));
        // The parts' moves are the copy's, one for one, and each part starts as its comment says.
        QStringList coups;
        Position cube = s.depart;
        for (const relecture::Partie& p : s.parties) {
            EXPECT_EQ(p.haut, cube.colour[9 * notation::U + 4]);
            EXPECT_EQ(p.devant, cube.colour[9 * notation::F + 4]);
            EXPECT_TRUE(texte.contains(QStringLiteral("// %1: %2\n").arg(relecture::Titre(p), relecture::Tenir(p.haut, p.devant))));
            for (const relecture::Coup& c : p.coups) {
                coups << notation::Name(c.move);
                for (int k = 0; k < c.move.count; ++k)
                    notation::Play(cube, c.move.turn);
                EXPECT_TRUE(c.premiere >= depuis && c.premiere <= c.derniere && c.derniere < j.lignes.size());
            }
            EXPECT_EQ(p.resolue, notation::SolvedAnyWay(cube));
        }
        EXPECT_EQ(coups, Coups(texte));
        EXPECT_EQ(s.coups, coups.size());

        const relecture::Solution e = relecture::Resoudre(j.lignes, j.marques, 0, fin, relecture::Tenue::CommeEcrit);
        Position pas = e.depart;
        for (const relecture::Partie& p : e.parties)
            for (const relecture::Coup& c : p.coups)
                notation::Play(pas, c.move.turn);
        EXPECT_EQ(e.depart, debut);
        EXPECT_EQ(pas, fin);
        EXPECT_EQ(e.coups, int(j.tours.size()));
    }
}

// Answers as the short solver writes them (no face twice in a row, opposite faces in either order),
// played as the window plays them after a paste: the copy is the answer, move for move.
TEST(Solution, AShortSolveIsCopiedAsTheFaceTurnsItFound)
{
    std::mt19937 rng(20);
    for (int essai = 0; essai < 200; ++essai) {
        // Never a face twice in a row, nor a third turn about one axis.
        std::vector<shortsolve::Move> reponse;
        auto axe = [&](std::size_t k) { return shortsolve::FaceOf(reponse[reponse.size() - k]) % 3; };
        for (int n = 1 + int(rng() % 20); n > 0; --n) {
            shortsolve::Move m;
            do
                m = shortsolve::Move(rng() % 18);
            while (!reponse.empty()
                   && (shortsolve::FaceOf(m) == shortsolve::FaceOf(reponse.back())
                       || (reponse.size() >= 2 && axe(1) == shortsolve::FaceOf(m) % 3 && axe(2) == axe(1))));
            reponse.push_back(m);
        }
        Journal j;
        j.Ajouter({Turn::Haut, Turn::VHM, Turn::TDF}, {u"Coller"_qs, 1});
        j.Ajouter(shortsolve::Turns(reponse), {u"Court"_qs, 2});
        const relecture::Solution s = relecture::Resoudre(j.lignes, j.marques, 3, Position::Solved(), relecture::Tenue::Immobile);
        EXPECT_EQ(Coups(relecture::Texte(s)).join(QLatin1Char(' ')).toStdString(), shortsolve::Write(reponse));
        EXPECT_TRUE(relecture::Texte(s).startsWith(u"// Short solve: "_qs));
    }
}

} // namespace
