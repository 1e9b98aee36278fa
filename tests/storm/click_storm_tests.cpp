// A storm of random presses on the real window: every button, row selections and double-clicks in
// the log, some of them fired while a stage waits in one of its yields. Whatever happens, no command
// hangs, the cube stays whole, and where the log was neither cut nor bypassed, "Inv" brings back the
// cube the run started from.
//
// MERLO_STORM_EVENTS raises the number of events for a run by hand, MERLO_STORM_SEED picks another
// seed; the seed of a failing run is in its output.
#include "storm_support.h"

#include "Resolveur.h"

#include <QElapsedTimer>
#include "log_support.h"
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <vector>

using namespace storm;

namespace {

#ifdef MERLO_STORM_SANITIZE
// Every turn is many times slower under the sanitizers.
constexpr long kDefaultEvents = 10000;
#else
constexpr long kDefaultEvents = 20000;
#endif

long EnvNumber(const char* name, long fallback)
{
    const char* v = std::getenv(name);
    if (!v || !*v)
        return fallback;
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    return end && *end == '\0' && n > 0 ? n : fallback;
}

// One command of a user.
enum class Kind { Arrow, Cube, Macro, Stage, Melange, Inv, InvD, Init, Clear, Select, Deselect, DoubleClick };

struct Weighted {
    Kind kind;
    int weight;
};

// Turns dominate, as in real use; stages are frequent because they are where the yields are.
constexpr Weighted kKinds[] = {
    {Kind::Arrow, 34}, {Kind::Cube, 8}, {Kind::Macro, 10}, {Kind::Stage, 16}, {Kind::Melange, 3},
    {Kind::Inv, 2},    {Kind::InvD, 6}, {Kind::Init, 2},   {Kind::Clear, 1},  {Kind::Select, 10},
    {Kind::Deselect, 2}, {Kind::DoubleClick, 6},
};

const char* const kArrows[] = {"HHD", "HGH", "HMD", "HGM", "HBD", "HGB", "VHG", "VBG", "VHM",
                               "VBM", "VHD", "VBD", "TDF", "TGF", "TDM", "TGM", "TDA", "TGA"};
const char* const kCubeTurns[] = {"Haut", "Bas", "Gauche", "Droite"};
const char* const kMacros[] = {"Ar", "CG", "CD", "A", "B", "PA", "PC"};
const char* const kStages[] = {"RangerHaut", "IdM", "IdC", "RangerM", "FaceB", "UneFace"};

// A run that checks the inverse at its end ends once its log is this long; "Inv" is pressed only
// on logs shorter than kInvUpTo, so it never more than doubles a log.
constexpr int kLongLog = 2500;
constexpr int kInvUpTo = 800;
// Commands nest at most this deep: a stage, a command pressed in its yield, and one more.
constexpr int kMaxDepth = 3;
// During a yield, a press is fired on one firing of the timer in kYieldOdds.
constexpr int kYieldOdds = 40;
// Presses fired during the yields of one outermost command, at most.
constexpr int kMaxPerOuter = 6;
constexpr qint64 kEventBoundMs = 10000;

struct Stats {
    long events = 0;
    long duringYield = 0;
    long stages = 0;
    long inverseRuns = 0;
    long freeRuns = 0;
    long doubleClicks = 0;
    qint64 maxEventMs = 0;
    const char* slowest = "";
    long maxLog = 0;
    int deepest = 0;
    int limits = 0;
};

class Storm {
public:
    Storm(Merlo& w, uint64_t seed, long budget) : m_W(w), m_Rng(seed), m_Budget(budget)
    {
        // A timer never fires again inside its own handler, so each depth has a timer of its own:
        // timer d presses while the innermost command running is at depth d + 1.
        for (int d = 0; d + 1 < kMaxDepth; ++d) {
            auto& timer = m_Timers[static_cast<std::size_t>(d)];
            timer.setInterval(0);
            QObject::connect(&timer, &QTimer::timeout, [this, d] {
                if (m_Depth == d + 1)
                    DuringYield();
            });
        }
    }

    const Stats& stats() const { return m_Stats; }

    // Runs until the budget of events is spent, alternating runs that end with the inverse check
    // (two in three) and runs that may also cut the log and reset the colours.
    void Run(Watchdog& dog)
    {
        m_Dog = &dog;
        for (QTimer& timer : m_Timers)
            timer.start();
        while (m_Stats.events < m_Budget && !m_Failed && !::testing::Test::HasFatalFailure()) {
            const bool free = Draw(3) == 0;
            const long length = 30 + Draw(400);
            if (free)
                FreeRun(length);
            else
                InverseRun(length);
        }
        for (QTimer& timer : m_Timers)
            timer.stop();
        m_Stats.limits = m_W.Etapes().LimitsReached();
    }

private:
    long Draw(long n) { return static_cast<long>(std::uniform_int_distribution<uint64_t>(0, static_cast<uint64_t>(n - 1))(m_Rng)); }

    QPushButton* Button(const char* name)
    {
        auto* b = m_W.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << "no button " << name;
        return b;
    }

    // The run starts on whatever cube the last run left, with an empty log. Nothing cuts the log or
    // changes the cube behind its back, so "Inv" must bring that cube back.
    void InverseRun(long length)
    {
        if (LogCount(m_W) > 0)
            Fire(Kind::Clear, false);
        m_Free = false;
        const CubeState start = ReadCube(m_W);
        for (long i = 0; i < length && m_Stats.events < m_Budget && LogCount(m_W) < kLongLog; ++i)
            if (!Fire(DrawKind(), false))
                return;
        const int before = LogCount(m_W);
        QStringList all = Log(m_W);
        for (const QString& line : all)
            if (!IsLogLine(line)) {
                ADD_FAILURE() << "not a log line: \"" << line.toStdString() << '"';
                return;
            }
        if (!Fire(Kind::Inv, false))
            return;
        EXPECT_EQ(ReadCube(m_W), start) << "Inv after " << before << " lines did not restore the cube";
        if (ReadCube(m_W) != start)
            m_Failed = true;
        ++m_Stats.inverseRuns;
    }

    // Anything goes, "Init", "Clear" and double-clicks included; the log is cleared when it grows long.
    void FreeRun(long length)
    {
        m_Free = true;
        for (long i = 0; i < length && m_Stats.events < m_Budget; ++i) {
            if (LogCount(m_W) >= kLongLog && !Fire(Kind::Clear, false))
                return;
            if (!Fire(DrawKind(), false))
                return;
        }
        for (const QString& line : Log(m_W))
            if (!IsLogLine(line)) {
                ADD_FAILURE() << "not a log line: \"" << line.toStdString() << '"';
                return;
            }
        ++m_Stats.freeRuns;
    }

    Kind DrawKind()
    {
        int total = 0;
        for (const Weighted& k : kKinds)
            total += k.weight;
        for (;;) {
            long r = Draw(total);
            Kind kind = kKinds[0].kind;
            for (const Weighted& k : kKinds) {
                if (r < k.weight) {
                    kind = k.kind;
                    break;
                }
                r -= k.weight;
            }
            if (!m_Free && (kind == Kind::Init || kind == Kind::Clear || kind == Kind::DoubleClick))
                continue;
            if (kind == Kind::Inv && LogCount(m_W) >= kInvUpTo)
                continue;
            return kind;
        }
    }

    // A timer that fires only while a command waits in DoEvents(): only the stages yield.
    void DuringYield()
    {
        if (m_Stages == 0 || m_Depth >= kMaxDepth || m_FiredThisOuter >= kMaxPerOuter || m_Stats.events >= m_Budget)
            return;
        if (Draw(kYieldOdds) != 0)
            return;
        ++m_FiredThisOuter;
        Fire(DrawKind(), true);
    }

    // Does one command as a user would, checks what must always hold, and measures it. False once
    // the storm must stop (a fatal check failed).
    bool Fire(Kind kind, bool inYield)
    {
        const char* name = Name(kind);
        ++m_Stats.events;
        if (inYield)
            ++m_Stats.duringYield;
        if (m_Depth == 0) {
            m_FiredThisOuter = 0;
            m_Dog->Busy(name);
        }
        ++m_Depth;
        m_Stats.deepest = std::max(m_Stats.deepest, m_Depth);
        QElapsedTimer t;
        t.start();
        Do(kind, name);
        const qint64 ms = t.elapsed();
        --m_Depth;
        if (m_Depth == 0)
            m_Dog->Busy(nullptr);

        if (ms > m_Stats.maxEventMs) {
            m_Stats.maxEventMs = ms;
            m_Stats.slowest = name;
        }
        m_Stats.maxLog = std::max<long>(m_Stats.maxLog, LogCount(m_W));
        EXPECT_LT(ms, kEventBoundMs) << name << " took " << ms << " ms";
        const std::string broken = Broken(ReadCube(m_W));
        EXPECT_EQ(broken, "") << "after " << name << " (event " << m_Stats.events << ")";
        EXPECT_TRUE(CounterAgrees(m_W)) << "after " << name << ": counter \"" << m_W.Message->text().toStdString()
                                        << "\", " << LogCount(m_W) << " lines";
        if (!broken.empty())
            m_Failed = true;
        return !m_Failed;
    }

    const char* Name(Kind kind)
    {
        switch (kind) {
        case Kind::Arrow: return kArrows[Draw(std::size(kArrows))];
        case Kind::Cube: return kCubeTurns[Draw(std::size(kCubeTurns))];
        case Kind::Macro: return kMacros[Draw(std::size(kMacros))];
        case Kind::Stage: return kStages[Draw(std::size(kStages))];
        case Kind::Melange: return "Melange";
        case Kind::Inv: return "Inv";
        case Kind::InvD: return "InvD";
        case Kind::Init: return "Init";
        case Kind::Clear: return "Clear";
        case Kind::Select: return "select a line";
        case Kind::Deselect: return "deselect the line";
        case Kind::DoubleClick: return "double-click a line";
        }
        return "";
    }

    void Do(Kind kind, const char* name)
    {
        QListView* list = m_W.List1;
        switch (kind) {
        case Kind::Select:
        case Kind::DoubleClick: {
            if (LogCount(m_W) == 0)
                return;
            const int row = static_cast<int>(Draw(LogCount(m_W))), lines = LogCount(m_W);
            const QModelIndex item = RowIndex(m_W, row);
            list->scrollTo(item);
            const QPoint at = list->visualRect(item).center();
            QWidget* port = list->viewport();
            // What the window system delivers for a double click: press, release, double click, release.
            QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, at);
            // Clicking a line selects it and nothing else, in the view and in the session.
            EXPECT_TRUE(SelectedCount(m_W) == 1 && SelectedRow(m_W) == row) << "clicking line " << row << " of " << lines;
            EXPECT_EQ(m_W.Session().Selection(), row);
            if (kind == Kind::DoubleClick) {
                ++m_Stats.doubleClicks;
                const CubeState before = ReadCube(m_W);
                const QStringList log = Log(m_W);
                QTest::mouseDClick(port, Qt::LeftButton, Qt::NoModifier, at);
                QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, at);
                // Exactly that line is gone, and the cube has not moved.
                QStringList expected = log;
                expected.removeAt(row);
                EXPECT_EQ(Log(m_W), expected) << "double-click on line " << row << " of " << lines;
                EXPECT_EQ(ReadCube(m_W), before);
            }
            return;
        }
        case Kind::Deselect: {
            const int chosen = SelectedRow(m_W);
            if (chosen < 0)
                return;
            list->scrollTo(RowIndex(m_W, chosen));
            const QPoint at = list->visualRect(RowIndex(m_W, chosen)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
            return;
        }
        default:
            break;
        }
        QPushButton* b = Button(name);
        if (!b)
            return;
        if (kind == Kind::Stage)
            ++m_Stats.stages, ++m_Stages;
        // The scramble draws from the storm's generator, so that a seed replays the same storm.
        if (kind == Kind::Melange)
            m_W.Session().SeedMelange(m_Rng());
        QTest::mouseClick(b, Qt::LeftButton);
        if (kind == Kind::Stage)
            --m_Stages;
    }

    Merlo& m_W;
    std::mt19937_64 m_Rng;
    const long m_Budget;
    std::array<QTimer, kMaxDepth - 1> m_Timers;
    Watchdog* m_Dog = nullptr;
    Stats m_Stats;
    bool m_Free = false;
    bool m_Failed = false;
    int m_Depth = 0;
    int m_Stages = 0;
    int m_FiredThisOuter = 0;
};

void RecordStorm(uint64_t seed, long events, bool shown)
{
    testing::Test::RecordProperty("seed", std::to_string(seed));
    std::cout << "storm: seed " << seed << ", " << events << " events" << (shown ? ", window shown" : "") << "\n";
}

// `full`: long enough that every kind of run and press must have come up.
void RunStorm(bool shown, long events, uint64_t seed, bool full)
{
    RecordStorm(seed, events, shown);
    auto w = std::make_unique<Merlo>();
    if (shown) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    // A hang is reported long before CTest's own timeout would kill the test without a word.
    Watchdog dog(std::chrono::seconds(120));

    Storm storm(*w, seed, events);
    QElapsedTimer t;
    t.start();
    storm.Run(dog);
    const double seconds = std::max(0.001, static_cast<double>(t.elapsed()) / 1000.0);
    const Stats& s = storm.stats();

    std::cout << "storm: " << s.events << " events in " << seconds << " s (" << static_cast<long>(s.events / seconds)
              << " per second); " << s.duringYield << " fired during a stage's yield, " << s.stages << " stages, "
              << s.doubleClicks << " double-clicks; " << s.inverseRuns << " runs checked by Inv, " << s.freeRuns
              << " free runs; slowest event " << s.maxEventMs << " ms (" << s.slowest << "); longest log "
              << s.maxLog << " lines; commands " << s.deepest << " deep; " << s.limits << " stage loops stopped by their limit\n";
    testing::Test::RecordProperty("events_per_second", std::to_string(static_cast<long>(s.events / seconds)));
    testing::Test::RecordProperty("max_event_ms", std::to_string(s.maxEventMs));
    testing::Test::RecordProperty("during_yield", std::to_string(s.duringYield));

    EXPECT_GE(s.events, events);
    // The storm must have reached the places it is meant for.
    EXPECT_GT(s.duringYield, s.events / 50) << "too few presses landed in a stage's yield";
    EXPECT_GT(s.deepest, 2) << "no press landed in the yield of a stage itself pressed in a yield";
    if (full) {
        EXPECT_GT(s.inverseRuns, 0);
        EXPECT_GT(s.doubleClicks, 0);
    }
}

// The window is not shown: nothing paints, so the storm is many times faster.
TEST(ClickStorm, RandomPressesKeepTheCubeWholeAndTheLogInvertible)
{
    RunStorm(std::getenv("MERLO_STORM_SHOW") != nullptr, EnvNumber("MERLO_STORM_EVENTS", kDefaultEvents),
             static_cast<uint64_t>(EnvNumber("MERLO_STORM_SEED", 20261207)), true);
}

// A shorter storm on the shown window: the picture repaints in every yield, on whatever cube the
// presses in between have left.
TEST(ClickStorm, RandomPressesOnTheShownWindow)
{
    RunStorm(true, std::max(100L, EnvNumber("MERLO_STORM_EVENTS", kDefaultEvents) / 40),
             static_cast<uint64_t>(EnvNumber("MERLO_STORM_SEED", 20261207)) + 1, false);
}

// Yields of stages start other stages, up to kDeep stages inside one another; then they all end,
// one after the other. Nothing overflows, the cube stays whole and the log still undoes it all.
TEST(ClickStorm, StagesNestedDeepInsideEachOthersYields)
{
#ifdef MERLO_STORM_SANITIZE
    constexpr int kDeep = 16;
#else
    constexpr int kDeep = 48;
#endif
    Merlo w;
    const CubeState start = ReadCube(w);
    w.Session().SeedMelange(5);
    w.Melange->click();
    std::mt19937 rng(9);
    int depth = 0, deepest = 0, started = 0, thisRound = 0;
    // A timer never fires inside its own handler: one timer per depth, each starting the next stage.
    std::array<QTimer, kDeep> timers;
    for (int d = 1; d < kDeep; ++d) {
        QTimer& timer = timers[static_cast<std::size_t>(d)];
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&, d] {
            // Each stage yields many times: without a budget, the stages would multiply at every depth.
            if (depth != d || thisRound >= 3 * kDeep)
                return;
            ++depth, ++started, ++thisRound;
            deepest = std::max(deepest, depth);
            w.findChild<QPushButton*>(QLatin1String(kStages[rng() % std::size(kStages)]))->click();
            --depth;
        });
    }
    Watchdog dog(std::chrono::seconds(120));
    dog.Busy("nested stages");
    for (QTimer& timer : timers)
        timer.start();
    for (int round = 0; round < 3; ++round) {
        depth = 1, ++started, thisRound = 0;
        w.findChild<QPushButton*>(QLatin1String(kStages[rng() % std::size(kStages)]))->click();
        depth = 0;
    }
    for (QTimer& timer : timers)
        timer.stop();
    dog.Busy(nullptr);
    std::cout << "nested: " << started << " stages, " << deepest << " deep, " << LogCount(w) << " lines\n";
    EXPECT_EQ(deepest, kDeep);
    EXPECT_EQ(Broken(ReadCube(w)), "");
    EXPECT_TRUE(CounterAgrees(w));
    w.Inv->click();
    EXPECT_EQ(ReadCube(w), start);
}

} // namespace
