// Replay of the log on the real window: every step shows the cube the log's turns make, the log
// never changes, whatever ends the replay gives back the cube of the log's end, and the solution
// copied since the scramble, pasted on the scrambled cube, makes the same cube.
#include "clipboard_support.h"

#include "DelegueJournal.h"
#include "Etapes.h"
#include "JouerNotation.h"
#include "Marques.h"
#include "Notation.h"
#include "PositionCube.h"
#include "Relecture.h"

#include <QLabel>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>

#include <random>

namespace {

// Settings of this run only.
class ReglagesDuTest : public testing::Environment {
public:
    void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_Dossier.path()); }

private:
    QTemporaryDir m_Dossier;
};
const auto* const reglages = testing::AddGlobalTestEnvironment(new ReglagesDuTest);

class Replay : public OnWindow {
protected:
    Relecture* R() { return w->findChild<Relecture*>(QStringLiteral("Relecture")); }

    // A log of turns, whole-cube turns, macros with their separators and, now and then, a stage.
    void RandomLog(std::mt19937& rng, int presses)
    {
        static const char* const buttons[] = {"HHD", "HGH", "HMD", "HGM", "HBD", "HGB", "VHG", "VBG", "VHM",
                                              "VBM", "VHD", "VBD", "TDF", "TGF", "TDM", "TGM", "TDA", "TGA",
                                              "Haut", "Bas", "Gauche", "Droite", "Ar", "CG", "CD", "A", "B", "PA", "PC"};
        std::uniform_int_distribution<int> pick(0, int(std::size(buttons)) - 1), stage(0, 20);
        for (int i = 0; i < presses; ++i)
            Press(stage(rng) == 0 ? "RangerHaut" : buttons[pick(rng)]);
    }
    // The cube after each number of the log's turns, made by the buttons on a new window.
    std::vector<CubeState> StatesOfLog()
    {
        Merlo ref;
        std::vector<CubeState> states{ReadCube(ref.CUBE())};
        for (const QString& l : Log())
            if (const auto t = notation::FromLog(l)) {
                ref.findChild<QPushButton*>(QLatin1String(notation::Info(*t).button))->click();
                states.push_back(ReadCube(ref.CUBE()));
            }
        return states;
    }
    int Selected() const { return SelectedRow(*w); }
};

TEST_F(Replay, EveryStepForwardAndBackShowsTheCubeOfTheLogsTurnsAndTheLogStaysAsItWas)
{
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        w = std::make_unique<Merlo>();
        std::mt19937 rng(seed);
        RandomLog(rng, 60);
        ASSERT_GE(LogCount(*w), 60);
        if (seed == 1)
            while (LogCount(*w) < 400)
                RandomLog(rng, 20);
        SelectRow(*w, LogCount(*w) / 3);
        const QStringList log = Log();
        const QString counter = Counter();
        const int selected = Selected();
        const int scrolled = w->List1->verticalScrollBar()->value();
        const std::vector<CubeState> states = StatesOfLog();
        const int n = int(states.size()) - 1;
        ASSERT_EQ(Cube(), states[n]);

        std::uniform_int_distribution<int> line(0, int(log.size()) - 1);
        const int from = seed == 1 ? 0 : line(rng);
        Relecture* r = R();
        ASSERT_TRUE(r->Commencer(from));
        const int first = r->Premier();
        EXPECT_EQ(first, int(relecture::PasDuJournal(log.mid(0, from)).size()));
        EXPECT_EQ(Cube(), states[first]);
        for (int k = first + 1; k <= n; ++k) {
            r->Avancer();
            ASSERT_EQ(Cube(), states[k]) << "seed " << seed << ", step " << k;
            EXPECT_EQ(r->LigneFaite(), relecture::PasDuJournal(log)[k - 1].ligne);
        }
        for (int k = n - 1; k >= first; --k) {
            r->Reculer();
            ASSERT_EQ(Cube(), states[k]) << "seed " << seed << ", back to " << k;
        }
        r->Reculer();
        EXPECT_EQ(Cube(), states[first]) << "no step before the first";
        r->ALaFin();
        EXPECT_EQ(Cube(), states[n]);
        r->AuDebut();
        EXPECT_EQ(Cube(), states[first]);
        // Ending anywhere gives back the log's end.
        std::uniform_int_distribution<int> some(0, n - first);
        for (int k = some(rng); k > 0; --k)
            r->Avancer();
        r->Terminer();
        EXPECT_FALSE(r->EnCours());
        EXPECT_EQ(Cube(), states[n]);
        EXPECT_EQ(Log(), log);
        EXPECT_EQ(Counter(), counter);
        EXPECT_EQ(Selected(), selected);
        EXPECT_EQ(w->List1->verticalScrollBar()->value(), scrolled);
        // End, then one more step, ends it too.
        ASSERT_TRUE(r->Commencer(from));
        r->ALaFin();
        r->Avancer();
        EXPECT_FALSE(r->EnCours());
        EXPECT_EQ(Cube(), states[n]);
        EXPECT_EQ(Log(), log);
    }
}

// Any command of the window ends the replay before it runs: it finds the cube of the log's end.
TEST_F(Replay, EveryKindOfCommandEndsTheReplayFirstAndFindsTheCubeOfTheLogsEnd)
{
    w->Session().SeedMelange(11);
    Press("Melange");
    Press("PA");
    Press("Haut");
    Relecture* r = R();

    struct Kind {
        const char* what;
        std::function<void()> command;
        std::function<void(Merlo&)> same; // the command on a window that never replayed
    };
    auto button = [this](const char* b) { return [this, b] { Press(b); }; };
    auto pressed = [](const char* b) {
        return [b](Merlo& m) { m.findChild<QPushButton*>(QLatin1String(b))->click(); };
    };
    const Kind kinds[] = {
        {"an arrow", button("VBD"), pressed("VBD")},
        {"a whole-cube turn", button("Gauche"), pressed("Gauche")},
        {"a macro", button("Ar"), pressed("Ar")},
        {"a stage", button("RangerHaut"), pressed("RangerHaut")},
        {"I", button("InvD"), pressed("InvD")},
        {"Inv", button("Inv"), pressed("Inv")},
        {"Init", button("Init"), pressed("Init")},
        {"a turn's key", [this] { Key(*w, Qt::Key_R, Qt::NoModifier); }, pressed("VHD")},
        {"pasted moves", [this] { Paste(QStringLiteral("R U2 x'")); },
         [](Merlo& m) { JouerTours(m.Session(), notation::Parse(u"R U2 x'").turns, {}); }},
        {"a line removed", [this] { SelectRow(*w, 2); w->Session().List1_DblClick(); },
         [](Merlo& m) { SelectRow(m, 2); m.Session().List1_DblClick(); }},
        {"Esc", [this] { Key(*w, Qt::Key_Escape, Qt::NoModifier); }, [](Merlo&) {}},
        {"Clear", button("Clear"), [](Merlo& m) { m.Session().Clear_Click(); }},
    };
    // The same commands on a window that never replayed.
    Merlo same;
    same.Session().SeedMelange(11);
    for (const char* b : {"Melange", "PA", "Haut"})
        same.findChild<QPushButton*>(QLatin1String(b))->click();
    for (const Kind& k : kinds) {
        ASSERT_EQ(Cube(), ReadCube(same.CUBE())) << k.what;
        std::mt19937 rng(uint32_t(LogCount(*w)));
        ASSERT_TRUE(r->Commencer(std::uniform_int_distribution<int>(0, 30)(rng))) << k.what;
        for (int s = 0; s < 7; ++s)
            r->Avancer();
        ASSERT_TRUE(r->EnCours());
        ASSERT_NE(Cube(), ReadCube(same.CUBE())) << k.what;
        k.command();
        EXPECT_FALSE(r->EnCours()) << k.what;
        k.same(same);
        EXPECT_EQ(Cube(), ReadCube(same.CUBE())) << k.what;
        QStringList sameLog;
        for (int i = 0; i < LogCount(same); ++i)
            sameLog << LogLine(same, i);
        EXPECT_EQ(Log(), sameLog) << k.what;
    }
    // Closing the window ends the replay first; a window destroyed in the middle of one goes quietly.
    Press("PA");
    same.Session().PA_Click();
    CloseCatcher catcher;
    w->installEventFilter(&catcher);
    ASSERT_TRUE(r->Commencer(0));
    r->Avancer();
    w->close();
    EXPECT_EQ(catcher.closes, 1);
    EXPECT_FALSE(r->EnCours());
    EXPECT_EQ(Cube(), ReadCube(same.CUBE()));
    ASSERT_TRUE(r->Commencer(0));
    r->Avancer();
    w.reset();
}

TEST_F(Replay, TheKeysStepAndPlayAndTheStageIsNamedWithTheMoveAndItsButton)
{
    w->Session().SeedMelange(5);
    Press("Melange");
    Press("RangerHaut");
    const int stage = 31;
    const QStringList log = Log();
    ASSERT_GT(log.size(), stage + 3);
    ASSERT_EQ(LogData(*w, stage, marques::RoleCommande).toString(), QStringLiteral("FaceH"));
    const int turns = int(relecture::PasDuJournal(log.mid(stage)).size());

    SelectRow(*w, stage);
    QAction* from = Action("RejouerDepuis");
    ASSERT_NE(from, nullptr);
    from->trigger();
    Relecture* r = R();
    ASSERT_TRUE(r->EnCours());
    Key(*w, Qt::Key_Right, Qt::NoModifier);
    Key(*w, Qt::Key_Space, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), 31 + 2);
    Key(*w, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), 31 + 1);
    const QString next = notation::Name(relecture::PasDuJournal(log)[32].tour);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("RelectureNom"))->text(), next);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("RelectureEtape"))->text(),
              QStringLiteral("FaceH (1 of 5): make the top face one colour, step 2 of %1").arg(turns));
    QWidget* frame = w->findChild<QWidget*>(QStringLiteral("RelectureCadre"));
    QWidget* button = w->findChild<QWidget*>(QLatin1String(notation::Info(relecture::PasDuJournal(log)[32].tour).button));
    ASSERT_TRUE(frame && button);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->geometry().contains(QRect(button->mapTo(w.get(), QPoint()), button->size())));

    r->RegleIntervalle(200);
    Key(*w, Qt::Key_P, Qt::NoModifier);
    EXPECT_TRUE(r->EnLecture());
    ASSERT_TRUE(QTest::qWaitFor([&] { return r->Faits() >= 31 + 4; }, 20000)) << "r->Faits() >= 31 + 4";
    Key(*w, Qt::Key_P, Qt::NoModifier);
    EXPECT_FALSE(r->EnLecture());
    Key(*w, Qt::Key_End, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), r->Total());
    Key(*w, Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(r->EnCours());
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(QSettings().value(QStringLiteral("relecture/intervalle")).toInt(), 200);

    // F5 replays from the start; Home goes back there.
    Key(*w, Qt::Key_F5, Qt::NoModifier);
    EXPECT_TRUE(r->EnCours());
    Key(*w, Qt::Key_End, Qt::NoModifier);
    Key(*w, Qt::Key_Home, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), 0);
    Key(*w, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(r->EnCours());
}

// The solution since the scramble, stage by stage, pasted on the scrambled cube, makes the same cube.
TEST_F(Replay, TheCopiedSolutionPastedOnTheScrambledCubeMakesTheSameCube)
{
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        w = std::make_unique<Merlo>();
        ASSERT_TRUE(Show(*w));
        std::mt19937 rng(seed);
        RandomLog(rng, 5); // before the scramble: never part of the solution
        w->Session().SeedMelange(seed);
        Press("Melange");
        const notation::Position start = LirePosition(w->CUBE());
        for (const char* b : {"RangerHaut", "IdM", "IdC"})
            Press(b);
        Press("Gauche"); // by hand, and nothing once simplified
        for (const char* b : {"RangerM", "FaceB"})
            Press(b);
        Action("CopierSolution")->trigger();
        const QString text = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(text.startsWith(QStringLiteral("// FaceH\n"))) << text.toStdString();
        for (const char* part : {"\n// Arretes\n", "\n// Coins\n", "\n// Zone M\n", "\n// Face B\n"})
            EXPECT_TRUE(text.contains(QLatin1String(part))) << part;

        Merlo again;
        PoserPosition(again.Session(), start);
        const notation::Parsed p = notation::Parse(text);
        ASSERT_TRUE(p) << text.toStdString();
        JouerTours(again.Session(), p.turns, {});
        EXPECT_EQ(notation::HeldStandard(LirePosition(again.CUBE())), notation::HeldStandard(LirePosition(w->CUBE()))) << "seed " << seed;
        // As it was simplified, without a whole-cube turn.
        EXPECT_FALSE(text.contains(QLatin1String(" x")) || text.contains(QLatin1String(" y"))) << text.toStdString();
    }
    // The marks go with their lines: a removed line takes its own, Clear takes them all.
    const int lines = LogCount(*w);
    const QVariant second = LogData(*w, 32, marques::RoleCommande);
    SelectRow(*w, 31);
    w->Session().List1_DblClick();
    EXPECT_EQ(LogCount(*w), lines - 1);
    EXPECT_EQ(LogData(*w, 31, marques::RoleCommande), second);
    Press("Clear");
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    Action("CopierSolution")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    Press("VBD");
    Action("CopierSolution")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("// by hand\nR'\n"));
}

TEST(ReplayParts, PartsFollowTheMarksAndCarryTheHoldAcrossThem)
{
    const QStringList lines = {u"Vert Droite Haut"_qs, u"En haut  5"_qs, u"Vert Droite Haut"_qs, u"*--------"_qs,
                               u"Horiz Haut Gauche"_qs, u"Horiz Haut Gauche"_qs, u"Vert Droite Bas"_qs};
    const std::vector<relecture::Marque> marks = {{u"Melange"_qs, 1}, {u"PA"_qs, 2}, {u"PA"_qs, 2}, {u"PA"_qs, 2},
                                                  {u"FaceH"_qs, 3}, {u"FaceH"_qs, 3}, {}};
    const auto runs = relecture::Tranches(lines, marks);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[1].tours, 2);
    EXPECT_EQ(relecture::OuDansLaTranche(runs, lines, 5), u"FaceH (1 of 5): make the top face one colour, step 2 of 2"_qs);
    EXPECT_EQ(relecture::OuDansLaTranche(runs, lines, 2), u"PA: cycle three top edges, left to back to right, step 2 of 2"_qs);
    EXPECT_EQ(relecture::OuDansLaTranche(runs, lines, 6), QString());
    // PA turned the cube up (x): FaceH's top is the front as the cube was held when the solution began.
    const relecture::Solution s = relecture::SolutionDepuisMelange(lines, marks);
    EXPECT_EQ(s.texte, u"// PA\nR\n// FaceH\nF2\n// by hand\nR'\n"_qs);
    EXPECT_EQ(s.parties, 3);
    EXPECT_EQ(s.coups, 3);
    EXPECT_EQ(relecture::Mots(notation::Turn::VBD), u"right face, anticlockwise"_qs);
}

TEST_F(Replay, MovesInTheLogAreDrawnBesideTheLinesWhichStayAsTheyWereAndTheChoiceIsRemembered)
{
    Press("VBD");
    Press("Haut");
    const QStringList log = Log();
    auto* d = dynamic_cast<DelegueJournal*>(w->List1->itemDelegate());
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Affiche(log[0]), u"R'  Vert Droite Bas"_qs);
    EXPECT_EQ(d->Affiche(log[1]), u"x  "_qs + log[1]);
    EXPECT_EQ(d->Affiche(u"*--------"_qs), u"*--------"_qs);
    QAction* moves = Action("CoupsJournal");
    ASSERT_TRUE(moves && moves->isCheckable() && moves->isChecked());
    w->List1->grab(); // drawn at least once
    moves->trigger();
    EXPECT_EQ(d->Affiche(log[0]), log[0]);
    EXPECT_EQ(Log(), log);
    Merlo later;
    for (QAction* a : later.List1->actions()) {
        if (a->objectName() == QLatin1String("CoupsJournal")) {
            EXPECT_FALSE(a->isChecked());
        }
    }
    moves->trigger();
    EXPECT_TRUE(QSettings().value(QStringLiteral("journal/coups")).toBool());
}

} // namespace
