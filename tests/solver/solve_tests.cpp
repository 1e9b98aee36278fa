// The stages, pressed in turn, solve scrambled cubes.
#include "solver_support.h"

#include <QElapsedTimer>
#include <QEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace solver_test;

namespace {

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

#ifdef MERLO_SOLVER_FEW_SCRAMBLES
constexpr int kMainScrambles = 30;
constexpr int kOtherScrambles = 10;
#else
constexpr int kMainScrambles = 200;
constexpr int kOtherScrambles = 100;
#endif

enum class Goal { TopOneColour, TopEdges, TopLayer, Middle, Solved };

struct Step {
    const char* button;
    const char* caption;
    std::vector<Goal> goals; // what must hold after it
};

bool Holds(Window& win, Goal g)
{
    switch (g) {
    case Goal::TopOneColour: return win.TopOneColour();
    case Goal::TopEdges: return win.TopOneColour() && win.TopEdgesOverCentres();
    case Goal::TopLayer: return win.TopLayerComplete();
    case Goal::Middle: return win.MiddleLayerComplete();
    case Goal::Solved: return win.Solved();
    }
    return false;
}

const char* Name(Goal g)
{
    switch (g) {
    case Goal::TopOneColour: return "top one colour";
    case Goal::TopEdges: return "top edges over their centres";
    case Goal::TopLayer: return "top layer complete";
    case Goal::Middle: return "middle layer complete and lined up";
    case Goal::Solved: return "every face one colour";
    }
    return "";
}

struct Turns {
    std::vector<int> perSolve;
    void Report(const char* what) const
    {
        if (perSolve.empty())
            return;
        long sum = 0;
        for (int t : perSolve)
            sum += t;
        std::printf("[ solver ] %s: %zu solves, layer quarter turns min %d mean %.1f max %d\n", what, perSolve.size(),
                    *std::min_element(perSolve.begin(), perSolve.end()), double(sum) / double(perSolve.size()),
                    *std::max_element(perSolve.begin(), perSolve.end()));
    }
};

// Scrambles a fresh cube with `seed`, presses the steps in order and checks each goal.
void SolveOne(uint64_t seed, const std::vector<Step>& steps, Turns& turns)
{
    Window win;
    win.w().Session().SeedMelange(seed);
    win.Press("Melange");
    ASSERT_EQ(win.Lines(), 31);
    const int before = win.Lines();
    for (const Step& s : steps) {
        win.Press(s.button);
        for (Goal g : s.goals)
            ASSERT_TRUE(Holds(win, g)) << "seed " << seed << ": after \"" << s.caption << "\", " << Name(g)
                                       << " does not hold";
    }
    ASSERT_EQ(win.w().LimitsReached(), 0) << "seed " << seed;
    const QStringList log = win.LogFrom(before);
    turns.perSolve.push_back(int(std::count_if(log.begin(), log.end(), IsLayerTurn)));
}

const Step FaceH{"RangerHaut", "FaceH", {Goal::TopOneColour}};
const Step Arretes{"IdM", "Arretes", {Goal::TopEdges}};
const Step Coins{"IdC", "Coins", {Goal::TopLayer}};
const Step ZoneMLast{"RangerM", "Zone M", {Goal::TopLayer, Goal::Middle}};
const Step ZoneM{"RangerM", "Zone M", {Goal::TopOneColour, Goal::Middle}};
const Step FaceB{"FaceB", "Face B", {Goal::Solved}};

} // namespace

TEST(SolveScrambles, StagesInTheirButtonOrderSolveEveryScramble)
{
    Turns turns;
    for (int i = 0; i < kMainScrambles; ++i) {
        SolveOne(1000 + i, {FaceH, Arretes, Coins, ZoneMLast, FaceB}, turns);
        if (HasFatalFailure())
            return;
    }
    turns.Report("FaceH, Arretes, Coins, Zone M, Face B");
}

TEST(SolveScrambles, MiddleLayerBeforeCornersSolvesEveryScramble)
{
    Turns turns;
    const Step middleAfterEdges{"RangerM", "Zone M", {Goal::TopEdges, Goal::Middle}};
    for (int i = 0; i < kOtherScrambles; ++i) {
        SolveOne(5000 + i, {FaceH, Arretes, middleAfterEdges, Coins, FaceB}, turns);
        if (HasFatalFailure())
            return;
    }
    turns.Report("FaceH, Arretes, Zone M, Coins, Face B");
}

TEST(SolveScrambles, MiddleLayerRightAfterTopFaceSolvesEveryScramble)
{
    Turns turns;
    for (int i = 0; i < kOtherScrambles; ++i) {
        SolveOne(9000 + i, {FaceH, ZoneM, Arretes, Coins, FaceB}, turns);
        if (HasFatalFailure())
            return;
    }
    turns.Report("FaceH, Zone M, Arretes, Coins, Face B");
}

// A stage pressed again right after it has done its work finds nothing to do.
TEST(SolveScrambles, EachStagePressedTwiceDoesNothingTheSecondTime)
{
    for (uint64_t seed : {11u, 12u, 13u}) {
        Window win;
        win.w().Session().SeedMelange(seed);
        win.Press("Melange");
        for (const char* b : {"RangerHaut", "IdM", "IdC", "RangerM"}) {
            win.Press(b);
            const int lines = win.Lines();
            const auto snap = win.Snapshot();
            win.Press(b);
            EXPECT_EQ(win.Lines(), lines) << b << " seed " << seed;
            EXPECT_EQ(win.Snapshot(), snap) << b << " seed " << seed;
        }
        win.Press("FaceB");
        ASSERT_TRUE(win.Solved());
        EXPECT_EQ(win.w().LimitsReached(), 0);
    }
}

// Not a check: the wall time of a five-stage solve, with the window hidden and shown.
// Run with --gtest_also_run_disabled_tests --gtest_filter='*Timing*'.
TEST(SolveScrambles, DISABLED_Timing)
{
    // Mode 0 hidden, 1 shown, 2 shown with updates disabled (so the difference to 1 is painting).
    for (int mode : {0, 1, 2}) {
        const bool shown = mode != 0;
        std::vector<double> ms;
        long paints = 0;
        for (int i = 0; i < 20; ++i) {
            Window win;
            PaintCounter counter;
            win.w().CUBE1->installEventFilter(&counter);
            if (shown) {
                win.w().show();
                win.w().DoEvents();
                if (mode == 2)
                    win.w().setUpdatesEnabled(false);
            }
            win.w().Session().SeedMelange(2000 + i);
            win.Press("Melange");
            win.w().DoEvents();
            QElapsedTimer t;
            t.start();
            win.Press({"RangerHaut", "IdM", "IdC", "RangerM", "FaceB"});
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            paints += counter.paints;
            if (mode == 1 && i == 0) {
                // What one paint costs: the cube alone, and the whole window.
                for (QWidget* target : {win.w().CUBE1, static_cast<QWidget*>(&win.w())}) {
                    QElapsedTimer p;
                    p.start();
                    for (int k = 0; k < 50; ++k)
                        target->repaint();
                    std::printf("[ timing ] one paint of %s: %.2f ms\n", target == win.w().CUBE1 ? "the cube" : "the window",
                                double(p.nsecsElapsed()) / 1e6 / 50);
                }
            }
            ASSERT_TRUE(win.Solved());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("[ timing ] window %s: median %.1f ms, min %.1f ms, max %.1f ms over %zu solves, "
                    "%.0f paints of the cube per solve\n",
                    mode == 0 ? "hidden" : mode == 1 ? "shown" : "shown, updates disabled", (ms[9] + ms[10]) / 2, ms.front(), ms.back(), ms.size(),
                    double(paints) / double(ms.size()));
    }
}
