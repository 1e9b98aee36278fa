// The stages as the window runs them: each button its own stage, other buttons pressed while a
// stage waits in one of its yields, and what a solve costs on a window that is shown.
#include "window_support.h"

#include "Resolveur.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

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

class StageButtons : public WindowTest {
protected:
    void Fresh() { w = std::make_unique<Merlo>(); }
    void Press(std::initializer_list<const char*> names)
    {
        for (const char* n : names)
            WindowTest::Press(n);
    }
    using WindowTest::Press;

    // The window still takes commands: an arrow adds its line and four of them restore the cube.
    void ExpectUsable()
    {
        const CubeState before = Cube();
        const int lines = LogCount(*w);
        for (int i = 0; i < 4; ++i)
            Press("HHD");
        EXPECT_EQ(LogCount(*w), lines + 4);
        EXPECT_EQ(Cube(), before);
    }
};

QStringList LogOf(const Merlo& m) { return LogLines(m); }

} // namespace

// Each stage button runs its own stage and nothing else: on twin windows scrambled alike, pressing
// the button and calling the stage directly write the same lines and leave the same cube.
TEST_F(StageButtons, EachButtonRunsItsOwnStage)
{
    const std::pair<const char*, void (Resolveur::*)()> etapes[] = {
        {"RangerHaut", &Resolveur::RangerHaut_Click}, {"IdM", &Resolveur::IdM_Click},
        {"IdC", &Resolveur::IdC_Click},               {"RangerM", &Resolveur::RangerM_Click},
        {"UneFace", &Resolveur::UneFace_Click},       {"FaceB", &Resolveur::FaceB_Click},
    };
    for (uint64_t seed : {3u, 4u, 5u}) {
        Fresh();
        Merlo twin;
        w->Session().SeedMelange(seed);
        Press("Melange");
        twin.Session().SeedMelange(seed);
        twin.Session().Melange_Click();
        for (const auto& [button, stage] : etapes) {
            if (std::string(button) == "UneFace") {
                // Two top corners wrong, the rest of the cube done: work for "T".
                for (const char* macro : {"B", "B", "B", "B", "B", "A", "A", "A", "A", "A"}) {
                    Press(macro);
                    twin.findChild<QPushButton*>(QLatin1String(macro))->click();
                }
            }
            const int before = LogCount(*w);
            Press(button);
            (twin.Etapes().*stage)();
            EXPECT_GT(LogCount(*w), before) << button << ", seed " << seed << ": every stage has work here";
            ASSERT_EQ(Log(), LogOf(twin)) << button << ", seed " << seed;
            ASSERT_EQ(Cube(), ReadCube(twin.CUBE())) << button << ", seed " << seed;
        }
        for (const auto& face : Cube().squares)
            EXPECT_TRUE(std::all_of(face.begin(), face.end(), [&](int16_t c) { return c == face[4]; })) << seed;
    }
}

// During a yield of a stage, a timer presses another button. Whatever it is, nothing crashes and the
// stage ends.
TEST_F(StageButtons, OtherButtonsPressedDuringAYield)
{
    const char* const others[] = {"RangerHaut", "IdM", "IdC", "RangerM", "FaceB", "UneFace", "Init",
                                  "Clear", "Melange", "HHD", "VBD", "TDA", "Gauche", "Haut", "PA", "Inv"};
    for (const char* stage : {"RangerHaut", "RangerM", "FaceB"}) {
        for (const char* other : others) {
            Fresh();
            w->Session().SeedMelange(42);
            Press("Melange");
            if (std::string(stage) == "RangerM" || std::string(stage) == "FaceB")
                Press("RangerHaut");
            if (std::string(stage) == "FaceB")
                Press({"IdM", "IdC", "RangerM"});
            int fired = 0;
            QTimer::singleShot(0, w.get(), [&] {
                ++fired;
                Press(other);
            });
            Press(stage);
            EXPECT_EQ(fired, 1) << stage << " / " << other;
            ExpectUsable();
        }
    }
}

// A timer that keeps pressing arrows and stages throughout a solve.
TEST_F(StageButtons, RepeatedPressesDuringAStageEnd)
{
    w->Session().SeedMelange(77);
    Press("Melange");
    const char* const presses[] = {"HHD", "UneFace", "VBG", "IdM", "TDF", "IdC", "Gauche", "RangerM"};
    int fired = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (fired >= 24) {
            timer.stop();
            return;
        }
        Press(presses[fired++ % 8]);
    });
    timer.start();
    Press("RangerHaut");
    timer.stop();
    EXPECT_GT(fired, 0);
    ExpectUsable();
}

// A user who undoes every turn of a turning loop from inside its yields: the loop gives up after
// four turns instead of turning for ever.
TEST_F(StageButtons, TurningLoopUndoneDuringItsYieldsEnds)
{
    struct Case {
        const char* setup;
        const char* stage;
        const char* undo; // pressed at every yield
    };
    for (const Case& c : {Case{"HGH", "IdM", "HGH"}, Case{"HGM", "RangerM", "HGM"}}) {
        Fresh();
        Press(c.setup);
        int fired = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++fired;
            Press(c.undo);
        });
        timer.start();
        Press(c.stage);
        timer.stop();
        EXPECT_GT(fired, 0) << c.stage;
        EXPECT_GE(w->Etapes().LimitsReached(), 1) << c.stage;
        ExpectUsable();
    }
}

// Not a check: the wall time of a five-stage solve, with the window hidden and shown.
// Run with --gtest_also_run_disabled_tests --gtest_filter='*Timing*'.
TEST_F(StageButtons, DISABLED_Timing)
{
    // Mode 0 hidden, 1 shown, 2 shown with updates disabled (so the difference to 1 is painting).
    for (int mode : {0, 1, 2}) {
        const bool shown = mode != 0;
        std::vector<double> ms;
        long paints = 0;
        for (int i = 0; i < 20; ++i) {
            Fresh();
            PaintCounter counter;
            w->CUBE1->installEventFilter(&counter);
            if (shown) {
                w->show();
                w->DoEvents();
                if (mode == 2)
                    w->setUpdatesEnabled(false);
            }
            w->Session().SeedMelange(2000 + i);
            Press("Melange");
            w->DoEvents();
            QElapsedTimer t;
            t.start();
            Press({"RangerHaut", "IdM", "IdC", "RangerM", "FaceB"});
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            paints += counter.paints;
            if (mode == 1 && i == 0) {
                // What one paint costs: the cube alone, and the whole window.
                for (QWidget* target : {w->CUBE1, static_cast<QWidget*>(w.get())}) {
                    QElapsedTimer p;
                    p.start();
                    for (int k = 0; k < 50; ++k)
                        target->repaint();
                    std::printf("[ timing ] one paint of %s: %.2f ms\n", target == w->CUBE1 ? "the cube" : "the window",
                                double(p.nsecsElapsed()) / 1e6 / 50);
                }
            }
            const CubeState end = Cube();
            for (const auto& face : end.squares)
                ASSERT_TRUE(std::all_of(face.begin(), face.end(), [&](int16_t c) { return c == face[4]; }));
            w->CUBE1->removeEventFilter(&counter);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("[ timing ] window %s: median %.1f ms, min %.1f ms, max %.1f ms over %zu solves, "
                    "%.0f paints of the cube per solve\n",
                    mode == 0 ? "hidden" : mode == 1 ? "shown" : "shown, updates disabled", (ms[9] + ms[10]) / 2, ms.front(), ms.back(), ms.size(),
                    double(paints) / double(ms.size()));
    }
}
