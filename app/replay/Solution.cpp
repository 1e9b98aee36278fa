#include "Solution.h"

#include <QCoreApplication>

#include <algorithm>

namespace relecture {

namespace {

QString Tr(const char* texte) { return QCoreApplication::translate("Relecture", texte); }

// The colours as the cube numbers them.
constexpr const char* Couleurs[] = {
    QT_TRANSLATE_NOOP("Relecture", "white"), QT_TRANSLATE_NOOP("Relecture", "orange"),
    QT_TRANSLATE_NOOP("Relecture", "green"), QT_TRANSLATE_NOOP("Relecture", "red"),
    QT_TRANSLATE_NOOP("Relecture", "blue"),  QT_TRANSLATE_NOOP("Relecture", "yellow"),
};

QString Couleur(int c) { return c >= 0 && c < 6 ? Tr(Couleurs[c]) : QStringLiteral("?"); }

// Each part's moves: merged as one holding the cube still makes them, or a turn a move.
std::vector<std::vector<notation::Move>> Coups(const std::vector<std::vector<notation::Turn>>& tours, Tenue tenue)
{
    std::vector<std::vector<notation::Move>> coups;
    if (tenue == Tenue::Immobile) {
        for (notation::Simplified& s : notation::SimplifyParts(tours))
            coups.push_back(std::move(s.list));
        return coups;
    }
    int n = 0;
    for (const auto& partie : tours) {
        coups.emplace_back();
        for (notation::Turn t : partie) {
            coups.back().push_back({t, 1, n, n});
            ++n;
        }
    }
    return coups;
}

} // namespace

Solution Resoudre(const QStringList& lignes, const std::vector<Marque>& marques, int debut,
                  const notation::Position& fin, Tenue tenue)
{
    Solution s;
    s.debut = std::clamp(debut, 0, static_cast<int>(lignes.size()));
    // The turns of each run from the start on, and the line of every turn.
    std::vector<Marque> quelles;
    std::vector<std::vector<notation::Turn>> tours;
    std::vector<int> ligneDe;
    for (const Tranche& t : Tranches(lignes, marques)) {
        if (t.fin <= s.debut)
            continue;
        quelles.push_back(t.marque);
        tours.emplace_back();
        for (int l = std::max(t.debut, s.debut); l < t.fin; ++l)
            if (const auto tour = notation::FromLog(lignes[l])) {
                tours.back().push_back(*tour);
                ligneDe.push_back(l);
            }
    }
    // The cube at the start: the end, every turn since undone.
    s.depart = fin;
    for (auto p = tours.rbegin(); p != tours.rend(); ++p)
        for (auto t = p->rbegin(); t != p->rend(); ++t)
            notation::Play(s.depart, notation::Inverse(*t));

    notation::Position cube = s.depart;
    const std::vector<std::vector<notation::Move>> coups = Coups(tours, tenue);
    for (std::size_t i = 0; i < coups.size(); ++i) {
        if (coups[i].empty())
            continue;
        Partie p;
        p.marque = quelles[i];
        p.haut = cube.colour[9 * notation::U + 4];
        p.devant = cube.colour[9 * notation::F + 4];
        p.avant = s.coups;
        for (const notation::Move& m : coups[i]) {
            p.coups.push_back({m, ligneDe[static_cast<std::size_t>(m.first)], ligneDe[static_cast<std::size_t>(m.last)]});
            for (int k = 0; k < m.count; ++k)
                notation::Play(cube, m.turn);
        }
        p.resolue = notation::SolvedAnyWay(cube);
        s.coups += static_cast<int>(p.coups.size());
        s.parties.push_back(std::move(p));
    }
    return s;
}

QString Tenir(int haut, int devant)
{
    return Tr(QT_TRANSLATE_NOOP("Relecture", "%1 on top, %2 in front")).arg(Couleur(haut), Couleur(devant));
}

QString Titre(const Partie& p)
{
    const QString but = But(p.marque.commande);
    return but.isEmpty() ? Nom(p.marque.commande) : QStringLiteral("%1 \u2014 %2").arg(Nom(p.marque.commande), but);
}

QString OuDansLaPartie(const Partie& p, int pas)
{
    const QString nom = Nom(p.marque.commande);
    const int n = static_cast<int>(p.coups.size());
    const QString but = But(p.marque.commande);
    if (const int e = RangEtape(p.marque.commande))
        return Tr(QT_TRANSLATE_NOOP("Relecture", "%1 (%2 of 5): %3, step %4 of %5")).arg(nom).arg(e).arg(but).arg(pas).arg(n);
    if (!but.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("Relecture", "%1: %2, step %3 of %4")).arg(nom, but).arg(pas).arg(n);
    return Tr(QT_TRANSLATE_NOOP("Relecture", "%1, step %2 of %3")).arg(nom).arg(pas).arg(n);
}

QString NoteResolu(int coups)
{
    return QCoreApplication::translate("Relecture", "The cube is solved: %n move(s).", nullptr, coups);
}

QString Texte(const Solution& s)
{
    QStringList texte;
    for (const Partie& p : s.parties) {
        texte << QStringLiteral("// %1: %2").arg(Titre(p), Tenir(p.haut, p.devant));
        QStringList noms;
        for (const Coup& c : p.coups)
            noms << notation::Name(c.move);
        texte << noms.join(QLatin1Char(' '));
        if (p.resolue)
            texte << QStringLiteral("// ") + NoteResolu(p.avant + static_cast<int>(p.coups.size()));
    }
    return texte.isEmpty() ? QString() : texte.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace relecture
