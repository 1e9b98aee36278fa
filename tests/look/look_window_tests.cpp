// Looking around the cube and turning it by hand on the real window: the mouse goes through the
// window system's path (so a right press also asks for a context menu, as on a desktop), the cube
// is read through the control, the log through its own lines.
#define QTEST_QPA_MOUSE_HANDLING
#include "clipboard_support.h"

#include "AnimationTours.h"
#include "CUBEArtwork.h"
#include "Historique.h"
#include "JouerNotation.h"
#include "RegardCube.h"
#include "Relecture.h"
#include "SixFaces.h"

#include <QSettings>
#include <QTemporaryDir>

#include <random>

namespace {

// A cube of stickers of our own: each square of each position is a small cube at q in {-1,0,1}^3
// with its outward normal n (x right, y up, z to the front), numbered as the control numbers them.
struct Face3 {
    int n[3], col[3], row[3];
};
constexpr Face3 Faces3[6] = {
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},   // top: rows from the back
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}}, // left: columns from the back
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},  // front
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}}, // right: columns from the front
    {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}},  // back: rows from the bottom
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}}, // bottom: rows from the front
};
using Stickers = std::array<int16_t, 54>;

// A thumb pushing square k of position p along its row (axe 0) or column, towards higher numbers
// (sens +1): the layer through that square turns a quarter turn about normal x push.
Stickers Push(const Stickers& s, int p, int k, int axe, int sens)
{
    const Face3& f = Faces3[p];
    int v[3], w[3];
    for (int i = 0; i < 3; ++i)
        v[i] = sens * (axe == 0 ? f.col[i] : f.row[i]);
    w[0] = f.n[1] * v[2] - f.n[2] * v[1];
    w[1] = f.n[2] * v[0] - f.n[0] * v[2];
    w[2] = f.n[0] * v[1] - f.n[1] * v[0];
    auto at = [](int pp, int kk, int i) {
        const Face3& g = Faces3[pp];
        return g.n[i] + (kk % 3 - 1) * g.col[i] + (kk / 3 - 1) * g.row[i];
    };
    const int a = w[0] ? 0 : w[1] ? 1 : 2, layer = at(p, k, a);
    auto turn = [&](const int* x, int* y) { // a quarter turn about w: w x v + w (w . v)
        const int dot = w[0] * x[0] + w[1] * x[1] + w[2] * x[2];
        y[0] = w[1] * x[2] - w[2] * x[1] + w[0] * dot;
        y[1] = w[2] * x[0] - w[0] * x[2] + w[1] * dot;
        y[2] = w[0] * x[1] - w[1] * x[0] + w[2] * dot;
    };
    Stickers out = s;
    for (int pp = 0; pp < 6; ++pp)
        for (int kk = 0; kk < 9; ++kk) {
            if (at(pp, kk, a) != layer)
                continue;
            int q[3] = {at(pp, kk, 0), at(pp, kk, 1), at(pp, kk, 2)}, q2[3], n2[3];
            turn(q, q2);
            turn(Faces3[pp].n, n2);
            int np = 0;
            while (Faces3[np].n[0] != n2[0] || Faces3[np].n[1] != n2[1] || Faces3[np].n[2] != n2[2])
                ++np;
            const Face3& g = Faces3[np];
            int c = 1, r = 1;
            for (int i = 0; i < 3; ++i) {
                c += (q2[i] - n2[i]) * g.col[i];
                r += (q2[i] - n2[i]) * g.row[i];
            }
            out[static_cast<std::size_t>(9 * np + 3 * r + c)] = s[static_cast<std::size_t>(9 * pp + kk)];
        }
    return out;
}

class Look : public OnWindow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_Config.path());
        OnWindow::SetUp();
    }
    RegardCube& R() { return *w->findChild<RegardCube*>(QStringLiteral("RegardCube")); }
    QWidget* Over() { return w->findChild<QWidget*>(QStringLiteral("VueRegard")); }
    QImage Picture() { return w->CUBE1->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage Looked() { return Over()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The centre of visible square i on the cube's widget.
    QPoint At(int i)
    {
        const auto& c = CUBEArtwork::Centres[static_cast<std::size_t>(i)];
        return QPoint(int((c.x + 0.5) * w->CUBE1->width() / CUBEArtwork::Width),
                      int((c.y + 0.5) * w->CUBE1->height() / CUBEArtwork::Height));
    }
    void Drag(Qt::MouseButton b, QPoint from, QPoint to, bool release = true)
    {
        QTest::mousePress(w->CUBE1, b, {}, from);
        for (int s = 1; s <= 4; ++s)
            QTest::mouseMove(w->CUBE1, from + (to - from) * s / 4);
        if (release)
            QTest::mouseRelease(w->CUBE1, b, {}, to);
    }
    bool AtRest() { return R().Regard().Repos() && !Over()->isVisible(); }

    QTemporaryDir m_Config;
};

} // namespace

// Every row and column of the three faces shown, pushed both ways from every square, at the drawn
// size and made larger: one line in the log, a layer's, and the cube as a real one turns.
TEST_F(Look, EveryLayerDraggedTurnsAsARealCubeWould)
{
    w->Session().SeedMelange(25);
    Press("Melange");
    for (const QSize size : {w->size(), QSize(560, 1010)}) {
        w->resize(size);
        QCoreApplication::processEvents();
        for (int i = 0; i < 27; ++i)
            for (int axe = 0; axe < 2; ++axe)
                for (int sens : {-1, 1}) {
                    const int k = i % 9, step = axe == 0 ? 1 : 3, along = axe == 0 ? k % 3 : k / 3;
                    const int p = i < 9 ? 0 : i < 18 ? 2 : 3, base = i - k;
                    // A square further that way, or as far as the one on the other side.
                    const QPoint to = along + sens >= 0 && along + sens <= 2 ? At(base + k + sens * step)
                                                                              : 2 * At(i) - At(base + k - sens * step);
                    SCOPED_TRACE(testing::Message() << "square " << i << ", axe " << axe << ", sens " << sens);
                    const Stickers expected = Push(Cube().ByPosition(), p, k, axe, sens);
                    const qsizetype lines = Log().size();
                    Drag(Qt::LeftButton, At(i), to);
                    ASSERT_EQ(Log().size(), lines + 1);
                    const auto t = notation::FromLog(Log().last());
                    ASSERT_TRUE(t && *t < notation::Turn::Haut) << Log().last().toStdString();
                    ASSERT_EQ(Cube().ByPosition(), expected);
                    EXPECT_EQ(Counter(), QString::number(Log().size()));
                }
    }
    // The button's own command: Undo takes the last one back.
    const QStringList log = Log();
    w->Histoire().Annuler();
    EXPECT_EQ(Log(), log.mid(0, log.size() - 1));
}

// Too short, or along no clear row or column: nothing at all, and no look either.
TEST_F(Look, AShortOrSlantingDragDoesNothing)
{
    Press("HHD");
    const CubeState cube = Cube();
    const QStringList log = Log();
    for (int i : {4, 10, 13, 22, 26}) {
        const QPoint across = At(i + (i % 3 == 2 ? -1 : 1)) - At(i), down = At(i + (i % 9 >= 6 ? -3 : 3)) - At(i);
        Drag(Qt::LeftButton, At(i), At(i) + across / 4);
        Drag(Qt::LeftButton, At(i), At(i) + down / 4);
        Drag(Qt::LeftButton, At(i), At(i) + across + down);
        EXPECT_TRUE(AtRest());
    }
    EXPECT_EQ(Cube(), cube);
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(Counter(), QStringLiteral("1"));
}

// Looking around with the right button, the left on the black around the cube, and Alt and the
// arrows, in the middle of a replay: the replay goes on where it was, and the picture, the log and
// the counter are exactly as they were once the view is back.
TEST_F(Look, LookingAroundChangesNothingEvenInAReplay)
{
    for (const char* b : {"HHD", "VBD", "TDF", "Haut", "HGB", "VHM", "TGA", "Gauche", "VHG"})
        Press(b);
    auto* replay = w->findChild<Relecture*>(QStringLiteral("Relecture"));
    ASSERT_TRUE(replay->Commencer(0));
    for (int s = 0; s < 4; ++s)
        replay->Avancer();
    QCoreApplication::processEvents();
    const QImage picture = Picture();
    const QStringList log = Log();
    const QString counter = Counter();
    const QPoint centre = At(13), corner(3, 3);
    // The desktop asks for a context menu on a right press: that too leaves the replay alone.
    int menus = 0;
    struct Menus : QObject {
        int& n;
        explicit Menus(int& m) : n(m) {}
        bool eventFilter(QObject*, QEvent* e) override { n += e->type() == QEvent::ContextMenu; return false; }
    } counting(menus);
    w->CUBE1->installEventFilter(&counting);

    Drag(Qt::RightButton, centre, centre + QPoint(w->CUBE1->width() / 2, 0), false);
    EXPECT_NEAR(R().Regard().lacet, 90, 1);
    EXPECT_EQ(R().Regard().tangage, 0);
    EXPECT_TRUE(Over()->isVisible());
    EXPECT_NE(Looked(), picture);
    // Far enough round to the back and the bottom, within the window: from the cube's lower left.
    QTest::mouseRelease(w->CUBE1, Qt::RightButton, {}, centre + QPoint(w->CUBE1->width() / 2, 0));
    const QPoint lowerLeft(2, w->CUBE1->height() - 2), far(w->CUBE1->width() + 2, 2);
    Drag(Qt::RightButton, lowerLeft, far, false);
    EXPECT_EQ(R().Regard(), (animation::Regard{RegardCube::LacetMax, RegardCube::TangageMin}));
    QTest::mouseRelease(w->CUBE1, Qt::RightButton, {}, far);
    EXPECT_GE(menus, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return AtRest(); }, 10000));

    Drag(Qt::LeftButton, corner, corner + QPoint(40, 60), false);
    EXPECT_FALSE(R().Regard().Repos());
    QTest::mouseRelease(w->CUBE1, Qt::LeftButton, {}, corner + QPoint(40, 60));
    ASSERT_TRUE(QTest::qWaitFor([&] { return AtRest(); }, 10000));

    Key(*w, Qt::Key_Left, Qt::AltModifier);
    Key(*w, Qt::Key_Up, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return R().Regard() == animation::Regard{-90, -90}; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return AtRest(); }, 10000));

    EXPECT_TRUE(replay->EnCours());
    EXPECT_EQ(replay->Faits(), 4);
    EXPECT_EQ(Picture(), picture);
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(Counter(), counter);
    w->CUBE1->removeEventFilter(&counting);
}

// A quarter or half turn away, the look is exactly the control's picture after the whole-cube
// turns that hold the cube that way: the left, back and bottom faces are drawn where they are.
TEST_F(Look, AWholeQuarterTurnAwayTheLookIsTheControlsPictureTurned)
{
    w->Session().SeedMelange(4);
    Press("Melange");
    struct Cas {
        animation::Regard regard;
        std::vector<const char*> turns, back;
    };
    const Cas cases[] = {{{90, 0}, {"Droite"}, {"Gauche"}},
                         {{-180, 0}, {"Gauche", "Gauche"}, {"Droite", "Droite"}},
                         {{0, -90}, {"Haut"}, {"Bas"}},
                         {{90, 90}, {"Droite", "Bas"}, {"Haut", "Gauche"}}};
    for (const QSize size : {w->size(), QSize(700, 1300)}) {
        w->resize(size);
        for (const Cas& c : cases) {
            R().Figer(c.regard);
            QCoreApplication::processEvents();
            const QImage looked = Looked();
            R().Relacher();
            ASSERT_TRUE(QTest::qWaitFor([&] { return AtRest(); }, 10000));
            for (const char* b : c.turns)
                Press(b);
            QCoreApplication::processEvents();
            EXPECT_EQ(looked, Picture()) << c.regard.lacet << ", " << c.regard.tangage;
            for (const char* b : c.back)
                Press(b);
        }
    }
}

// Z and Shift+Z turn the whole cube as pasted z and z' do, line for line, one step for Undo.
TEST_F(Look, ZAndShiftZAreThePastedMoves)
{
    Merlo ref;
    const std::pair<Qt::KeyboardModifiers, const char*> keys[] = {{Qt::NoModifier, "z"}, {Qt::ShiftModifier, "z'"}, {Qt::NoModifier, "z"}};
    for (const auto& [mods, moves] : keys) {
        const int steps = w->Histoire().Pas();
        Key(*w, Qt::Key_Z, mods);
        JouerTours(ref.Session(), notation::Parse(QString::fromLatin1(moves)).turns, {});
        EXPECT_EQ(Log(), LogLines(ref));
        EXPECT_EQ(Cube(), ReadCube(ref.CUBE()));
        EXPECT_EQ(w->Histoire().Pas(), steps + 1);
    }
    EXPECT_EQ(Log().size(), 9);
    w->Histoire().Annuler();
    EXPECT_EQ(Log().size(), 6);
}

// All six faces, beside the cube and never over it: what each square shows is what GetFace says
// of it, after random turns and every replay step; the choice is remembered.
TEST_F(Look, TheSixFacesAgreeWithTheControlThroughTurnsAndReplay)
{
    auto* action = w->findChild<QAction*>(QStringLiteral("SixFaces"));
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isChecked());
    const QSize cube = w->CUBE1->size();
    action->trigger();
    auto* net = w->findChild<VueFaces*>(QStringLiteral("VueFaces"));
    ASSERT_TRUE(net && net->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->CUBE1->size() == cube; }, 10000));
    for (QWidget* c : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool beside = c == net || !c->isVisible() || c->objectName() == QLatin1String("Menus")
                            || !c->geometry().intersects(net->geometry());
        EXPECT_TRUE(beside) << c->objectName().toStdString();
    }
    EXPECT_TRUE(w->rect().contains(net->geometry()));

    auto agrees = [&] {
        const QImage shown = net->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        for (int16_t p = 0; p < 6; ++p) {
            std::array<int16_t, 9> f{};
            w->CUBE().GetFace(w->CUBE().WichFace(p), f.data());
            for (int k = 0; k < 9; ++k) {
                const auto& rgb = CUBEArtwork::Colours[static_cast<std::size_t>(f[static_cast<std::size_t>(p == 4 ? 8 - k : k)])];
                const QPointF c = net->Carre(p, k / 3, k % 3).center() * ratio;
                if (shown.pixelColor(c.toPoint()) != QColor(rgb.r, rgb.g, rgb.b))
                    return false;
            }
        }
        return true;
    };
    std::mt19937 rng(6);
    for (int i = 0; i < 40; ++i) {
        if (i % 10 == 9)
            Key(*w, Qt::Key_Z, Qt::NoModifier);
        else
            Press(notation::Info(static_cast<notation::Turn>(rng() % notation::TurnCount)).button);
        ASSERT_TRUE(QTest::qWaitFor([&] { return agrees(); }, 10000));
    }
    auto* replay = w->findChild<Relecture*>(QStringLiteral("Relecture"));
    ASSERT_TRUE(replay->Commencer(0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return agrees(); }, 10000));
    // Each step shown turning, held half-way, and under a look for the last ones: the faces are the
    // cube's as it stands already.
    for (int s = 0; s < 12; ++s) {
        if (s == 8)
            R().Figer({30, -40});
        replay->Avancer();
        w->Animation().Figer(0.5);
        ASSERT_TRUE(QTest::qWaitFor([&] { return agrees(); }, 10000));
        EXPECT_TRUE(w->Animation().EnCours());
    }
    R().Relacher();
    replay->Terminer();

    Merlo again;
    EXPECT_TRUE(again.findChild<QAction*>(QStringLiteral("SixFaces"))->isChecked());
    const int wide = w->width();
    action->trigger();
    EXPECT_FALSE(net->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->width() < wide; }, 10000));
    EXPECT_EQ(w->CUBE1->size(), cube);
}
