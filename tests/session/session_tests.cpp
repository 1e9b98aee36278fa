// The session model on its own, without a window: random runs of every command, the session handed
// to a second control now and then and carried on there, the log's item model and its selection in
// step with the session, and what a long log costs.
#include "session_support.h"

#include "Historique.h"
#include "Marques.h"
#include "ModeleJournal.h"

#include <QItemSelectionModel>
#include <gtest/gtest.h>

#include <random>

// Readable failures: what differs shows at a glance.
void PrintTo(const EtatSession& e, std::ostream* out)
{
    std::ostream& os = *out;
    os << "faces at";
    for (int16_t f : e.cube.faceA)
        os << ' ' << f;
    os << ", front " << e.cube.faceVue << ", choices " << int(e.couches.colonne) << int(e.couches.tranche)
       << int(e.couches.etage) << ", counter " << (e.compteur ? *e.compteur : -1) << ", chosen " << e.selection << ", "
       << e.lignes.size() << " lines";
    if (!e.lignes.empty())
        os << ", last \"" << e.lignes.back().texte.toStdString() << "\"";
}

namespace {

using O = SurfaceEtapes::Option;

// One command of any kind with what it was drawn with. `surface` plays it on the first session
// through what the stages see, and `vue` chooses a line through the item model's selection.
struct Pas {
    unsigned kind, a, b;
    uint64_t graine;
    bool surface, vue;
};

Pas Tirer(std::mt19937_64& rng)
{
    return {unsigned(rng() % 14), unsigned(rng() % 1000), unsigned(rng() % 1000), rng(), rng() % 2 == 0, rng() % 2 == 0};
}

void Jouer(const Pas& p, ModeleSession& s, SurfaceEtapes* surface, QItemSelectionModel* vue, const QAbstractItemModel* modele)
{
    const int n = s.Nombre();
    void (SurfaceEtapes::*primitives[])() = {&SurfaceEtapes::FrontD_Click, &SurfaceEtapes::FrontG_Click, &SurfaceEtapes::HorizD_Click,
                                             &SurfaceEtapes::HorizG_Click, &SurfaceEtapes::VHaut_Click, &SurfaceEtapes::VBas_Click};
    void (ModeleSession::*directes[])() = {&ModeleSession::FrontD_Click, &ModeleSession::FrontG_Click, &ModeleSession::HorizD_Click,
                                           &ModeleSession::HorizG_Click, &ModeleSession::VHaut_Click, &ModeleSession::VBas_Click};
    void (SurfaceEtapes::*macros[])() = {&SurfaceEtapes::A_Click, &SurfaceEtapes::B_Click, &SurfaceEtapes::Ar_Click,
                                         &SurfaceEtapes::CD_Click, &SurfaceEtapes::CG_Click, &SurfaceEtapes::PA_Click,
                                         &SurfaceEtapes::PC_Click, &SurfaceEtapes::MacroT1, &SurfaceEtapes::MacroT2,
                                         &SurfaceEtapes::MacroH1, &SurfaceEtapes::MacroH2, &SurfaceEtapes::FinComm,
                                         &SurfaceEtapes::Haut_Click, &SurfaceEtapes::Bas_Click, &SurfaceEtapes::Gauche_Click,
                                         &SurfaceEtapes::Droite_Click};
    void (ModeleSession::*macrosDirectes[])() = {&ModeleSession::A_Click, &ModeleSession::B_Click, &ModeleSession::Ar_Click,
                                                 &ModeleSession::CD_Click, &ModeleSession::CG_Click, &ModeleSession::PA_Click,
                                                 &ModeleSession::PC_Click, &ModeleSession::MacroT1, &ModeleSession::MacroT2,
                                                 &ModeleSession::MacroH1, &ModeleSession::MacroH2, &ModeleSession::FinComm,
                                                 &ModeleSession::Haut_Click, &ModeleSession::Bas_Click, &ModeleSession::Gauche_Click,
                                                 &ModeleSession::Droite_Click};
    switch (p.kind) {
    case 0:
    case 1:
        s.Jouer(notation::Turn(p.a % notation::TurnCount));
        break;
    case 2:
    case 3:
        if (surface) {
            surface->Choisir(O(p.a % 9));
            (surface->*primitives[p.b % 6])();
        } else {
            s.Choisir(O(p.a % 9));
            (s.*directes[p.b % 6])();
        }
        break;
    case 4:
        if (surface)
            (surface->*macros[p.a % 16])();
        else
            (s.*macrosDirectes[p.a % 16])();
        break;
    case 5:
        s.InverserOrdre(n ? s.Ligne(int(p.a % unsigned(n))) : QStringLiteral("Horiz Milieu Droite"));
        break;
    case 6:
        if (n < 300)
            s.Inv_Click();
        break;
    case 7:
        s.InvD_Click();
        break;
    case 8: {
        // A line chosen as a person chooses it in List1, or as a command does.
        const int ligne = int(p.a % unsigned(n + 1)) - 1;
        if (vue && ligne >= 0)
            vue->setCurrentIndex(modele->index(ligne, 0), QItemSelectionModel::ClearAndSelect);
        else if (vue)
            vue->clearSelection();
        else
            s.ChoisirLigne(ligne);
        break;
    }
    case 9:
        s.List1_DblClick();
        break;
    case 10:
        s.SeedMelange(p.graine);
        s.Melange_Click();
        break;
    case 11:
        s.Init_Click();
        break;
    case 12:
        if (p.b % 4 == 0 || n > 600)
            s.Clear_Click();
        break;
    default:
        s.Marquer(int(p.a % unsigned(n + 1)), QStringLiteral("Commande %1").arg(p.b % 5), qint64(p.graine % 1000));
        break;
    }
}

// What the item model and its selection show is the session, row for row.
void ExpectModelShows(const ModeleSession& s, const ModeleJournal& m)
{
    ASSERT_EQ(m.rowCount(), s.Nombre());
    for (int i = 0; i < s.Nombre(); ++i) {
        const QModelIndex x = m.index(i);
        ASSERT_EQ(x.data().toString(), s.Ligne(i)) << i;
        ASSERT_EQ(x.data(marques::RoleCommande).toString(), s.Commande(i)) << i;
        ASSERT_EQ(x.data(marques::RoleSerie).isValid(), !s.Commande(i).isEmpty()) << i;
    }
    const QModelIndexList choisies = m.Selection()->selectedIndexes();
    ASSERT_EQ(choisies.isEmpty() ? -1 : choisies.first().row(), s.Selection());
}

TEST(Session, RandomRunsOfEveryCommandGoOnTheSameOnASecondCubeGivenTheSession)
{
    int cede = 0;
    SessionSeule a([&cede] { ++cede; }), b;
    ModeleJournal modele(a.session);
    std::mt19937_64 rng(2424);
    int donnees = 0;
    for (int pas = 0; pas < 1500; ++pas) {
        const Pas p = Tirer(rng);
        SCOPED_TRACE(testing::Message() << "step " << pas << " kind " << p.kind);
        Jouer(p, a.session, p.surface ? &a.surface : nullptr, p.vue ? modele.Selection() : nullptr, &modele);
        Jouer(p, b.session, nullptr, nullptr, nullptr);
        const EtatSession e = a.session.Instantane();
        ASSERT_EQ(b.session.Instantane(), e);
        ASSERT_NO_FATAL_FAILURE(ExpectModelShows(a.session, modele));
        // The second cube, taken elsewhere first, takes the session as it stands.
        if (rng() % 4 == 0) {
            b.session.SeedMelange(rng());
            b.session.Melange_Click();
            b.session.Jouer(notation::Turn(int(notation::Turn::Haut) + int(rng() % 4)));
            b.session.Choisir(O(rng() % 9));
            b.session.ChoisirLigne(int(rng() % 40));
            if (rng() % 2)
                b.session.Restaurer(EtatSession{});
            b.session.Restaurer(e);
            ASSERT_EQ(b.session.Instantane(), e);
            ++donnees;
        }
    }
    EXPECT_GT(donnees, 300);
    // The stages' yield is the one given; the session itself never yields.
    a.surface.DoEvents();
    EXPECT_EQ(cede, 1);
}

TEST(Session, ALongLogIsAFewBytesALineInTheLogAndInUndoAndIsGivenBack)
{
    SessionSeule s;
    ModeleJournal modele(s.session);
    Historique h(s.session);
    constexpr int n = 100'000;
    h.Executer(QStringLiteral("Coller"), QStringLiteral("Paste"), [&] {
        for (int i = 0; i < n; ++i)
            s.session.Jouer(notation::Turn(i % notation::TurnCount));
    });
    ASSERT_EQ(modele.rowCount(), n);
    EXPECT_EQ(s.session.Compteur(), n);
    // A few dozen distinct texts, each kept once.
    EXPECT_LT(s.session.LesTextes().Nombre(), 60u);
    const std::size_t ligne = sizeof(LigneJournal);
    EXPECT_LE(ligne, 16u);
    EXPECT_LE(s.session.LeJournal().Octets(), 2 * n * ligne);
    // The step and the history's mirror of the log: each line once more, no texts.
    EXPECT_LE(h.Octets(), 5 * n * ligne);
    const EtatSession colle = s.session.Instantane();
    EXPECT_EQ(colle.lignes.front().commande, QStringLiteral("Coller"));
    h.Annuler();
    EXPECT_EQ(s.session.Nombre(), 0);
    EXPECT_LT(s.session.LeJournal().Octets(), 64 * 1024u);
    h.Refaire();
    EXPECT_EQ(s.session.Instantane(), colle);
    h.Executer(QString(), QStringLiteral("Clear"), [&] { s.session.Clear_Click(); });
    EXPECT_LT(s.session.LeJournal().Octets(), 64 * 1024u);
    h.Annuler();
    EXPECT_EQ(s.session.Instantane().lignes.size(), std::size_t(n));
}

} // namespace
