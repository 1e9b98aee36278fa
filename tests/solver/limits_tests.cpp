// Stages pressed out of order, or while another command runs inside one of their yields, end
// within their limits and leave the window usable.
#include "solver_support.h"

#include "StageLoop.h"

#include <QTimer>

using namespace solver_test;

namespace {

// The window still takes commands: an arrow adds its line and four of them restore the cube.
void ExpectUsable(Window& win)
{
    const auto snap = win.Snapshot();
    const int lines = win.Lines();
    for (int i = 0; i < 4; ++i)
        win.Press("HHD");
    EXPECT_EQ(win.Lines(), lines + 4);
    EXPECT_EQ(win.Snapshot(), snap);
}

const char* const kStages[] = {"RangerHaut", "IdM", "IdC", "RangerM", "FaceB", "UneFace"};

} // namespace

TEST(StageLimits, FaceBAfterCDOnASolvedCubeEnds)
{
    Window win;
    win.Press("CD");
    const int before = win.Lines();
    win.Press("FaceB");
    EXPECT_GT(win.Lines(), before + 2) << "turned over, then the cross loop ran";
    EXPECT_EQ(win.w().LimitsReached(), 1);
    ExpectUsable(win);
}

TEST(StageLimits, CoinsWithTopEdgesOutOfPlaceDoesNothing)
{
    for (const char* setup : {"HGH", "HHD"}) {
        Window win;
        win.Press(setup);
        const auto snap = win.Snapshot();
        const int lines = win.Lines();
        win.Press("IdC");
        EXPECT_EQ(win.Lines(), lines);
        EXPECT_EQ(win.Snapshot(), snap);
        EXPECT_EQ(win.w().LimitsReached(), 0);
    }
}

// Every stage pressed on scrambled cubes, in any state the other stages leave: each press ends, and
// only ever by finishing or by a counted limit.
TEST(StageLimits, AnyStageOnAnyCubeEnds)
{
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        Window win;
        win.w().Session().SeedMelange(seed);
        win.Press("Melange");
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < 6; ++i)
                win.Press(kStages[(i + seed + round) % 6]);
        }
        ExpectUsable(win);
    }
}

// During a yield of a stage, a timer presses another button. Whatever it is, nothing crashes and the
// stage ends.
TEST(StageLimits, OtherButtonsPressedDuringAYield)
{
    const char* const others[] = {"RangerHaut", "IdM", "IdC", "RangerM", "FaceB", "UneFace", "Init",
                                  "Clear", "Melange", "HHD", "VBD", "TDA", "Gauche", "Haut", "PA", "Inv"};
    for (const char* stage : {"RangerHaut", "RangerM", "FaceB"}) {
        for (const char* other : others) {
            Window win;
            win.w().Session().SeedMelange(42);
            win.Press("Melange");
            if (std::string(stage) == "RangerM" || std::string(stage) == "FaceB")
                win.Press("RangerHaut");
            if (std::string(stage) == "FaceB")
                win.Press({"IdM", "IdC", "RangerM"});
            int fired = 0;
            QTimer::singleShot(0, &win.w(), [&] {
                ++fired;
                win.Press(other);
            });
            win.Press(stage);
            EXPECT_EQ(fired, 1) << stage << " / " << other;
            ExpectUsable(win);
        }
    }
}

// A timer that keeps pressing arrows and stages throughout a solve.
TEST(StageLimits, RepeatedPressesDuringAStageEnd)
{
    Window win;
    win.w().Session().SeedMelange(77);
    win.Press("Melange");
    const char* const presses[] = {"HHD", "UneFace", "VBG", "IdM", "TDF", "IdC", "Gauche", "RangerM"};
    int fired = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (fired >= 24) {
            timer.stop();
            return;
        }
        win.Press(presses[fired++ % 8]);
    });
    timer.start();
    win.Press("RangerHaut");
    timer.stop();
    EXPECT_GT(fired, 0);
    ExpectUsable(win);
}

// The guard itself: a pass from a state seen before ends the loop, and so does the thousandth pass
// even when every state is new.
TEST(StageLoopGuard, RepeatedStateOrTooManyPassesEndTheLoop)
{
    Window win;
    {
        StageLoop loop(win.w());
        EXPECT_TRUE(loop.Pass());
        win.Press("HHD");
        EXPECT_TRUE(loop.Pass()) << "another cube";
        win.Press("Gauche");
        EXPECT_TRUE(loop.Pass()) << "the same cube, turned";
        win.Press({"Droite", "HGH"});
        EXPECT_FALSE(loop.Pass()) << "back to the first state";
        EXPECT_EQ(win.w().LimitsReached(), 1);
    }
    {
        StageLoop loop(win.w());
        int16_t carried[2] = {0, 0};
        for (int i = 0; i < StageLoop::MaxPasses; ++i) {
            carried[0] = int16_t(i);
            ASSERT_TRUE(loop.Pass(carried, 2)) << i;
        }
        carried[0] = -1;
        EXPECT_FALSE(loop.Pass(carried, 2));
        EXPECT_EQ(win.w().LimitsReached(), 2);
    }
    {
        StageLoop::Turns turns(win.w());
        for (int i = 0; i < StageLoop::MaxTurns; ++i)
            EXPECT_TRUE(turns.Turn());
        EXPECT_FALSE(turns.Turn());
        EXPECT_EQ(win.w().LimitsReached(), 3);
    }
}

// A user who undoes every turn of a turning loop from inside its yields: the loop gives up after
// four turns instead of turning for ever.
TEST(StageLimits, TurningLoopUndoneDuringItsYieldsEnds)
{
    struct Case {
        const char* setup;
        const char* stage;
        const char* undo; // pressed at every yield
    };
    for (const Case& c : {Case{"HGH", "IdM", "HGH"}, Case{"HGM", "RangerM", "HGM"}}) {
        Window win;
        win.Press(c.setup);
        int fired = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++fired;
            win.Press(c.undo);
        });
        timer.start();
        win.Press(c.stage);
        timer.stop();
        EXPECT_GT(fired, 0) << c.stage;
        EXPECT_GE(win.w().LimitsReached(), 1) << c.stage;
        ExpectUsable(win);
    }
}
