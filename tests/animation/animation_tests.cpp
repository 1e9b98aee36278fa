#include "AnimationTours.h"
#include "RenduTour.h"
#include "window_support.h"
#include "xdisplay.h"

#include <QAction>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <set>

namespace {

animation::Couleurs ParPosition(const CubeState& s)
{
    animation::Couleurs c{};
    const auto all = s.ByPosition();
    for (std::size_t i = 0; i < all.size(); ++i)
        c[i / 9][i % 9] = all[i];
    return c;
}

const char* Bouton(notation::Turn t) { return notation::Info(t).button; }

QImage Frame(const animation::Couleurs& c, notation::Turn t, double p, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    animation::Dessiner(img, c, t, p);
    return img;
}

class AnimationTest : public WindowTest {
protected:
    void SetUp() override
    {
        // Settings of this run only, never the user's.
        ASSERT_TRUE(m_Config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_Config.path());
        WindowTest::SetUp();
        w->show();
    }
    QImage Shown() { return w->CUBE1->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // What lies over the cube while a turn is shown: right above it, in its place, hidden at rest.
    QWidget* Over()
    {
        auto* v = w->findChild<QWidget*>(QStringLiteral("VueTour"));
        EXPECT_NE(v, nullptr);
        const QObjectList& all = w->children();
        const qsizetype i = all.indexOf(w->CUBE1);
        EXPECT_EQ(all.indexOf(v), i + 1);
        EXPECT_EQ(v->geometry(), w->CUBE1->geometry());
        EXPECT_TRUE(v->testAttribute(Qt::WA_TransparentForMouseEvents));
        return v;
    }
    QImage OnScreen() { return Over()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir m_Config;
};

} // namespace

// From the cube after a turn, the frame at the end is the control's own picture pixel for pixel, the
// frame at the start is its picture before the turn (so the hidden faces, the axis and the direction
// are all right), and frames on the way differ from both. Every turn, in all 24 ways of holding a
// scrambled cube, at a size of its own and at twice it.
TEST_F(AnimationTest, FramesStartAtThePictureBeforeAndEndAtThePictureAfter)
{
    w->Session().SeedMelange(20);
    Press("Melange");
    std::mt19937 rng(7);
    std::set<std::array<int16_t, 6>> held;
    const notation::Turn entiers[] = {notation::Turn::Haut, notation::Turn::Bas, notation::Turn::Gauche, notation::Turn::Droite};
    for (int round = 0; round < 400 && held.size() < 24; ++round) {
        const CubeState start = Cube();
        if (!held.insert(start.faceAt).second) {
            Press(Bouton(entiers[rng() % 4]));
            continue;
        }
        for (int k = 0; k < notation::TurnCount; ++k) {
            const auto t = static_cast<notation::Turn>(k);
            SCOPED_TRACE(testing::Message() << "turn " << Bouton(t) << ", held as " << start);
            const QImage before = Shown();
            Press(Bouton(t));
            const QImage after = Shown();
            const animation::Couleurs c = ParPosition(Cube());
            ASSERT_EQ(Frame(c, t, 1, after.size()), after);
            ASSERT_EQ(Frame(c, t, 0, before.size()), before);
            for (double p : {0.25, 0.5, 0.75}) {
                const QImage mid = Frame(c, t, p, after.size());
                ASSERT_NE(mid, before) << p;
                ASSERT_NE(mid, after) << p;
            }
            if (k % 5 == 0) {
                // Larger, as on a dense screen: the control at twice the size, holding these colours.
                CCUBECtrl big;
                big.SetAmbientUserMode(true);
                for (int16_t p = 0; p < 6; ++p)
                    big.SetFace(p, c[static_cast<std::size_t>(p)].data());
                big.resize(w->CUBE1->size() * 2);
                const QImage ref = big.grab().toImage().convertToFormat(QImage::Format_RGB32);
                ASSERT_EQ(Frame(c, t, 1, ref.size()), ref);
            }
        }
    }
    EXPECT_EQ(held.size(), 24u);
}

// A burst of presses while turns are shown ends with the cube and the log of the same presses
// without animation; the turn held mid-way is drawn over the cube, and at rest the control shows.
TEST_F(AnimationTest, BurstsLoseNothingAndTheCubeShowsAtRest)
{
    AnimationTours& a = w->Animation();
    a.SetAnimer(true);
    Merlo plain;
    std::mt19937 rng(11);
    for (int i = 0; i < 50; ++i) {
        const auto t = static_cast<notation::Turn>(rng() % notation::TurnCount);
        Press(Bouton(t));
        plain.findChild<QPushButton*>(QLatin1String(Bouton(t)))->click();
        EXPECT_TRUE(a.EnCours());
        if (i % 7 == 0)
            QCoreApplication::processEvents();
    }
    EXPECT_EQ(Cube(), ReadCube(plain.CUBE()));
    EXPECT_EQ(Log(), [&] {
        QStringList l;
        for (int i = 0; i < LogCount(plain); ++i)
            l << LogLine(plain, i);
        return l;
    }());

    Press("VHD");
    a.Figer(0.5);
    const QImage held = OnScreen();
    EXPECT_EQ(held, Frame(ParPosition(Cube()), notation::Turn::VHD, 0.5, held.size()));
    EXPECT_NE(held, Shown());
    EXPECT_TRUE(Over()->isVisible());
    a.Finir();
    EXPECT_FALSE(a.EnCours());

    // Run to its end by itself, then the control's picture is what shows.
    Press("HGB");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !a.EnCours(); }, 10000)) << "!a.EnCours()";
    EXPECT_FALSE(Over()->isVisible());

    // A command that turns the cube without its buttons ends a shown turn at once.
    Press("TDF");
    ASSERT_TRUE(a.EnCours());
    w->Session().Jouer("HHD");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !a.EnCours(); }, 10000)) << "!a.EnCours()";
}

// A desktop that wants no animations gets none, not even for a replay's turns; whoever waits for the
// end of a turn still hears of it.
TEST_F(AnimationTest, NoMotionWhereTheDesktopWantsNone)
{
    struct Calme : QProxyStyle {
        using QProxyStyle::QProxyStyle;
        int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
        {
            return h == SH_Widget_Animation_Duration ? 0 : QProxyStyle::styleHint(h, o, w, r);
        }
    };
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new Calme(QStyleFactory::create(before)));
    AnimationTours& a = w->Animation();
    QSignalSpy ended(&a, &AnimationTours::Fini);
    a.SetAnimer(true);
    Press("HBD");
    EXPECT_FALSE(a.EnCours());
    a.Montrer(notation::Turn::HBD);
    EXPECT_FALSE(a.EnCours());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended.count() == 2; }, 10000)) << ended.count();
    QApplication::setStyle(QStyleFactory::create(before));
    EXPECT_FALSE(AnimationTours::MoinsDeMouvement());
}

// "Animate turns" and the speed are kept from one run to the next; off until chosen.
TEST_F(AnimationTest, TheSettingIsRemembered)
{
    auto* animer = w->findChild<QAction*>(QStringLiteral("AnimerTours"));
    ASSERT_NE(animer, nullptr);
    EXPECT_TRUE(animer->isCheckable());
    EXPECT_FALSE(animer->isChecked());
    EXPECT_EQ(w->Animation().DureeMs(), AnimationTours::DureeDefaut);
    Press("HHD");
    EXPECT_FALSE(w->Animation().EnCours());
    animer->trigger();
    auto* lent = w->findChild<QAction*>(QStringLiteral("VitesseTours450"));
    ASSERT_NE(lent, nullptr);
    lent->trigger();
    w.reset();
    w = std::make_unique<Merlo>();
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("AnimerTours"))->isChecked());
    EXPECT_EQ(w->Animation().DureeMs(), 450);
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("VitesseTours450"))->isChecked());
    w->Animation().SetDureeMs(5000);
    EXPECT_EQ(w->Animation().DureeMs(), AnimationTours::DureeMax);
}

// The window going away in the middle of a turn takes the turn with it; nothing runs afterwards.
TEST_F(AnimationTest, AWindowClosedMidTurnEndsCleanly)
{
    w->Animation().SetAnimer(true);
    Press("TGM");
    ASSERT_TRUE(w->Animation().EnCours());
    QCoreApplication::processEvents();
    w.reset();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 700)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    SUCCEED();
}

// The real program, its window closed while a turn is held half-way on the screen: it ends at once
// with exit code 0 and nothing on standard error.
using RealProgram = xdisplay::OnDisplay;

TEST_F(RealProgram, ClosedWhileATurnIsShownEndsCleanly)
{
    qputenv("MERLOS_ANIMATION_FIGEE", "0.5");
    const xdisplay::Run run = xdisplay::RunProgram(display(), {"wait", "key", "r", "sleep", "300", "key", "x", "sleep", "100"}, {},
                                                   xdisplay::DiscardOnClose());
    qunsetenv("MERLOS_ANIMATION_FIGEE");
    ASSERT_TRUE(run.failure.isEmpty()) << run.failure.toStdString();
    EXPECT_FALSE(run.crashed) << run.errors.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(xdisplay::Clean(run.errors)) << run.errors.toStdString();
    EXPECT_LT(run.endMs, 5000);
}
