// Replay of the solution on the real window: held still, every step is a move of what Copy
// solution copies and shows the cube that copy makes; as written, every turn line of the log; the log
// never changes, whatever ends the replay gives back the cube of the log's end, and nothing covers
// the cube meanwhile.
#include "clipboard_support.h"

#include "AnimationTours.h"
#include "CurseurRelecture.h"
#include "DelegueJournal.h"
#include "Etapes.h"
#include "JouerNotation.h"
#include "LectureCube.h"
#include "Marques.h"
#include "Notation.h"
#include "PositionCube.h"
#include "Relecture.h"
#include "ResolutionCourte.h"
#include "Traductions.h"

#include <QLabel>
#include <QProcess>
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

// The moves of a copied solution, comments left out.
QStringList Moves(const QString& text)
{
    QStringList moves;
    for (const QString& l : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!l.startsWith(QLatin1String("//")))
            moves << l.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return moves;
}

class Replay : public OnWindow {
protected:
    void SetUp() override
    {
        QSettings().remove(QStringLiteral("relecture/commeEcrit"));
        OnWindow::SetUp();
    }
    Relecture* R() { return w->findChild<Relecture*>(QStringLiteral("Relecture")); }
    QString Shown(const char* label) { return w->findChild<QLabel*>(QLatin1String(label))->text(); }
    void AsWritten(bool yes) { w->findChild<QAction*>(QStringLiteral("RelectureCommeEcrit"))->setChecked(yes); }

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

    // The replay's panel beside the cube, inside the window, every text of it whole.
    void ExpectPanelBesideTheCubeWithEveryTextWhole(const std::string& where)
    {
        auto* panel = w->findChild<QWidget*>(QStringLiteral("RelecturePanneau"));
        ASSERT_TRUE(panel && panel->isVisible()) << where;
        EXPECT_FALSE(panel->geometry().intersects(w->CUBE1->geometry())) << where;
        EXPECT_TRUE(w->rect().contains(panel->geometry())) << where;
        for (const QLabel* l : panel->findChildren<QLabel*>()) {
            if (l->text().isEmpty())
                continue;
            const QRect c = l->contentsRect();
            const QRect need = l->fontMetrics().boundingRect(c, int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
            EXPECT_TRUE(panel->rect().contains(l->geometry())) << where << ": " << l->text().toStdString();
            EXPECT_LE(need.width(), c.width()) << where << ": " << l->text().toStdString();
            EXPECT_LE(need.height(), c.height()) << where << ": " << l->text().toStdString();
        }
        for (const QPushButton* b : panel->findChildren<QPushButton*>())
            EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << where;
    }
    // The window's pixels over the cube are the control's own picture: over all of the cube as
    // drawn (the window's own arrows and yellow buttons touch the black border round it, as they
    // were drawn, and always have).
    void ExpectTheCubeUncovered(const std::string& where)
    {
        w->Animation().Finir();
        QCoreApplication::processEvents();
        const QImage shown = w->grab(w->CUBE1->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage own = w->CUBE1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), own.size()) << where;
        QRect drawn;
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x)
                if ((own.pixel(x, y) & 0xffffff) != 0)
                    drawn |= QRect(x, y, 1, 1);
        ASSERT_GT(drawn.width() * drawn.height(), own.width() * own.height() * 3 / 4) << where;
        EXPECT_EQ(shown.copy(drawn), own.copy(drawn)) << where;
    }
};

// As written: a step a turn line of the log, whole-cube turns included.
TEST_F(Replay, AsWrittenEveryStepForwardAndBackShowsTheCubeOfTheLogsTurnsAndTheLogStaysAsItWas)
{
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        w = std::make_unique<Merlo>();
        AsWritten(true);
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
            // How to hold it follows the whole-cube turns made so far.
            if (k < n) {
                const notation::Position now = LirePosition(w->CUBE());
                EXPECT_EQ(Shown("RelectureTenue"), QStringLiteral("Hold the cube %1.")
                                                       .arg(relecture::Tenir(now.colour[9 * notation::U + 4], now.colour[9 * notation::F + 4])))
                    << "seed " << seed << ", step " << k;
            }
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
    // Remembered.
    EXPECT_TRUE(QSettings().value(QStringLiteral("relecture/commeEcrit")).toBool());
    AsWritten(false);
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

TEST_F(Replay, TheKeysStepAndPlayAndThePartIsNamedWithTheMoveHowToHoldItAndItsButton)
{
    w->Session().SeedMelange(5);
    Press("Melange");
    Press("RangerHaut");
    const int stage = 31;
    const QStringList log = Log();
    ASSERT_GT(log.size(), stage + 3);
    ASSERT_EQ(LogData(*w, stage, marques::RoleCommande).toString(), QStringLiteral("FaceH"));
    const relecture::Solution solution = SolutionDepuisMelange(w->Session());
    ASSERT_EQ(solution.parties.size(), 1u);
    const std::vector<relecture::Coup>& moves = solution.parties[0].coups;
    const int n = int(moves.size());

    SelectRow(*w, stage);
    QAction* from = Action("RejouerDepuis");
    ASSERT_NE(from, nullptr);
    from->trigger();
    Relecture* r = R();
    ASSERT_TRUE(r->EnCours());
    Key(*w, Qt::Key_Right, Qt::NoModifier);
    Key(*w, Qt::Key_Space, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), 2);
    Key(*w, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), 1);
    EXPECT_EQ(r->LigneFaite(), moves[0].derniere);
    EXPECT_EQ(Shown("RelectureNom"), notation::Name(moves[1].move));
    EXPECT_EQ(Shown("RelectureMots"), relecture::Mots(moves[1].move));
    EXPECT_EQ(Shown("RelectureEtape"), QStringLiteral("FaceH (1 of 5): make the top face one colour, step 2 of %1").arg(n));
    EXPECT_EQ(Shown("RelectureTenue"), QStringLiteral("Hold the cube white on top, green in front."));
    QWidget* frame = w->findChild<QWidget*>(QStringLiteral("RelectureCadre"));
    QWidget* button = w->findChild<QWidget*>(QLatin1String(notation::Info(moves[1].move.turn).button));
    ASSERT_TRUE(frame && button);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->geometry().contains(QRect(button->mapTo(w.get(), QPoint()), button->size())));

    r->RegleIntervalle(200);
    Key(*w, Qt::Key_P, Qt::NoModifier);
    EXPECT_TRUE(r->EnLecture());
    ASSERT_TRUE(QTest::qWaitFor([&] { return r->Faits() >= 4; }, 20000)) << "r->Faits() >= 4";
    Key(*w, Qt::Key_P, Qt::NoModifier);
    EXPECT_FALSE(r->EnLecture());
    Key(*w, Qt::Key_End, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), r->Total());
    EXPECT_EQ(r->Total(), n);
    Key(*w, Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(r->EnCours());
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(QSettings().value(QStringLiteral("relecture/intervalle")).toInt(), 200);

    // F5 replays the solution since the scramble; Home goes back to its start.
    Key(*w, Qt::Key_F5, Qt::NoModifier);
    EXPECT_TRUE(r->EnCours());
    EXPECT_EQ(r->Total(), n);
    Key(*w, Qt::Key_End, Qt::NoModifier);
    Key(*w, Qt::Key_Home, Qt::NoModifier);
    EXPECT_EQ(r->Faits(), 0);
    Key(*w, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(r->EnCours());
}

// Random logs after a scramble or a paste (turns, whole-cube turns, macros, stages, a short solve):
// held still, the replay's steps are the copy's moves one for one, each showing the cube those
// moves make on the cube the copy starts from, and the copy makes the log's cube; the replay's end
// gives back the log's end exactly, however the cube was held.
TEST_F(Replay, HeldStillEveryStepIsAMoveOfTheCopyAndTheCopyMakesTheLogsCube)
{
    QTemporaryDir cache; // the short solver's tables, made afresh
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        w = std::make_unique<Merlo>();
        ASSERT_TRUE(Show(*w));
        std::mt19937 rng(seed);
        RandomLog(rng, 5); // before the scramble: never part of the solution
        w->Session().SeedMelange(seed);
        if (seed % 2)
            Press("Melange");
        else
            Paste(QStringLiteral("F2 D' x L2 B R' M U2 y F2 D L2 U R2 S F' L U2 R B2 D' F2 U' L'"));
        const EtatCube start = LireCube(w->CUBE());
        QStringList shortSolve;
        if (seed == 1) {
            for (const char* b : {"RangerHaut", "IdM", "IdC", "Gauche", "RangerM", "FaceB"})
                Press(b);
        } else if (seed == 2) {
            const int before = LogCount(*w);
            Action("ResoudreCourt")->trigger();
            auto* court = w->findChild<ResolutionCourte*>();
            ASSERT_TRUE(court && QTest::qWaitFor([&] { return !court->EnCours(); }, 120000));
            shortSolve = Log().mid(before);
            ASSERT_FALSE(shortSolve.isEmpty()) << Notice().toStdString();
            RandomLog(rng, 20);
        } else {
            RandomLog(rng, 60);
        }
        const QStringList log = Log();
        const EtatCube end = LireCube(w->CUBE(), w->Session().FaceVue());
        Action("CopierSolution")->trigger();
        const QString text = QGuiApplication::clipboard()->text();
        const QStringList moves = Moves(text);
        ASSERT_FALSE(moves.isEmpty());
        const notation::Parsed copy = notation::Parse(text);
        ASSERT_TRUE(copy) << text.toStdString();
        EXPECT_TRUE(std::none_of(copy.turns.begin(), copy.turns.end(), [](notation::Turn t) { return t >= notation::Turn::Haut; }));
        if (seed == 1) {
            const notation::Position held = PositionDe(start);
            const QString hold = relecture::Tenir(held.colour[9 * notation::U + 4], held.colour[9 * notation::F + 4]);
            EXPECT_TRUE(text.startsWith(u"// FaceH \u2014 make the top face one colour: "_qs + hold + u"\n"_qs)) << text.toStdString();
            for (const char* part : {"\n// Arretes \u2014 ", "\n// Coins \u2014 ", "\n// Zone M \u2014 ", "\n// Face B \u2014 "})
                EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
            EXPECT_TRUE(text.endsWith(QStringLiteral("\n// The cube is solved: %1 moves.\n").arg(moves.size()))) << text.toStdString();
        }
        // The short solve's answer as the log holds it (and the note counted): copied as it was.
        if (seed == 2) {
            EXPECT_TRUE(text.startsWith(QStringLiteral("// Short solve: "))) << text.toStdString();
            EXPECT_EQ(text.split(QLatin1Char('\n'))[1], notation::WriteLog(shortSolve));
        }

        Merlo again;
        PoserCube(again.CUBE(), start);
        Key(*w, Qt::Key_F5, Qt::NoModifier);
        Relecture* r = R();
        ASSERT_TRUE(r->EnCours());
        ASSERT_EQ(r->Total(), moves.size());
        for (int k = 0;; ++k) {
            ASSERT_EQ(LirePosition(w->CUBE()), LirePosition(again.CUBE())) << "step " << k;
            if (k == moves.size())
                break;
            ASSERT_EQ(Shown("RelectureNom"), moves[k]) << "step " << k;
            Key(*w, Qt::Key_Right, Qt::NoModifier);
            JouerTours(again.Session(), notation::Parse(moves[k]).turns, {});
        }
        EXPECT_EQ(notation::HeldStandard(LirePosition(again.CUBE())), notation::HeldStandard(PositionDe(end)));
        if (seed == 1) {
            EXPECT_EQ(Shown("RelectureMots"), QStringLiteral("The cube is solved: %1 moves.").arg(moves.size()));
        }
        Key(*w, Qt::Key_Right, Qt::NoModifier);
        EXPECT_FALSE(r->EnCours());
        EXPECT_EQ(LireCube(w->CUBE(), w->Session().FaceVue()), end);
        EXPECT_EQ(Log(), log);
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
    const notation::Position now = LirePosition(w->CUBE());
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              u"// by hand: "_qs + relecture::Tenir(now.colour[9 * notation::U + 4], now.colour[9 * notation::F + 4]) + u"\nR'\n"_qs);
}

// A stage that solves the cube says so, with the moves since the scramble.
TEST_F(Replay, AStageThatSolvesTheCubeSaysSoWithTheCopysMoves)
{
    w->Session().SeedMelange(8);
    for (const char* b : {"Melange", "RangerHaut", "IdM", "IdC", "RangerM"})
        Press(b);
    EXPECT_FALSE(Notice().startsWith(QLatin1String("The cube is solved")));
    Press("FaceB");
    const relecture::Solution s = SolutionDepuisMelange(w->Session());
    ASSERT_TRUE(s.parties.back().resolue);
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("The cube is solved: %1 moves.").arg(s.coups))) << Notice().toStdString();
}

// During a replay nothing covers the cube: the window's pixels over it are the control's own, and
// the panel stands beside it, inside the window, every text of it whole (every move's words, the
// end's note), at the drawn size and made larger, in English and in French, held still and as
// written; then the same at doubled density, in a child of this test.
TEST_F(Replay, NothingCoversTheCubeAndEveryTextOfThePanelIsWhole)
{
    const bool child = qEnvironmentVariableIsSet("MERLO_REPLAY_DENSITY_CHILD");
    for (const char* language : {"en", "fr"}) {
        ASSERT_EQ(ChargerTraductions(QLocale(QString::fromLatin1(language))), QLatin1String(language));
        // At doubled density, the drawn size is four times the pixels already.
        for (int larger = 1; larger <= (child ? 1 : 2); ++larger) {
            w = std::make_unique<Merlo>();
            ASSERT_TRUE(Show(*w));
            const QSize drawn = w->size();
            w->resize(drawn * larger);
            // Every turn and every half turn, each after a turn about another axis so that none
            // merges with the next: every word the panel shows.
            for (int t = 0; t < notation::TurnCount; ++t)
                for (int k = 0; k < (t < 18 ? 3 : 1); ++k) {
                    Press(notation::Info(notation::Turn(t)).button);
                    if (k != 1)
                        Press(t >= 12 && t < 18 ? "VHD" : "TDF");
                }
            for (bool asWritten : {false, true}) {
                const std::string where = std::string(language) + (larger > 1 ? ", larger" : "") + (asWritten ? ", as written" : "");
                AsWritten(asWritten);
                const QSize cube = w->CUBE1->size();
                Key(*w, Qt::Key_F5, Qt::NoModifier);
                ASSERT_TRUE(R()->EnCours()) << Notice().toStdString();
                ASSERT_TRUE(QTest::qWaitFor([&] { return w->width() > drawn.width() * larger; }, 10000)) << where;
                EXPECT_EQ(w->CUBE1->size(), cube) << where;
                for (int k = 0; k <= R()->Total(); ++k) {
                    ExpectPanelBesideTheCubeWithEveryTextWhole(where + ", step " + std::to_string(k));
                    if (k % 32 == 0 || k == R()->Total())
                        ExpectTheCubeUncovered(where + ", step " + std::to_string(k));
                    Key(*w, Qt::Key_Right, Qt::NoModifier);
                }
                EXPECT_FALSE(R()->EnCours());
                ASSERT_TRUE(QTest::qWaitFor([&] { return w->width() == drawn.width() * larger; }, 10000)) << where;
            }
        }
    }
    ChargerTraductions(QLocale(QLocale::English));
    if (child)
        return;
    QProcess density;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("MERLO_REPLAY_DENSITY_CHILD"), QStringLiteral("1"));
    density.setProcessEnvironment(env);
    density.setProcessChannelMode(QProcess::MergedChannels);
    density.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_filter=Replay.NothingCoversTheCubeAndEveryTextOfThePanelIsWhole")});
    ASSERT_TRUE(density.waitForFinished(300000));
    const QString out = QString::fromLocal8Bit(density.readAll());
    EXPECT_EQ(density.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("[  PASSED  ] 1 test."))) << out.toStdString();
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
    // The replay's marker leaves every letter of the line's move as it was drawn.
    const QRect row = w->List1->visualRect(RowIndex(*w, 0));
    const QImage plain = w->List1->viewport()->grab(row).toImage();
    d->Marquer(0, -1);
    const QImage marked = w->List1->viewport()->grab(row).toImage();
    d->Marquer(-1, -1);
    int ink = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width() / 3; ++x)
            if (const QColor c = plain.pixelColor(x, y); c.lightness() < 110) {
                ++ink;
                const QColor m = marked.pixelColor(x, y);
                EXPECT_LT(std::abs(m.red() - c.red()) + std::abs(m.green() - c.green()) + std::abs(m.blue() - c.blue()), 90)
                    << x << "," << y;
            }
    EXPECT_GT(ink, 10);

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
