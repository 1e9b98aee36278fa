// The window on the desktop: keys of cube notation, tooltips and accessible names, resizing, and a
// high-density screen.
#include "window_support.h"

#include "CUBEArtwork.h"
#include "picture_checks.h"

#include <QGroupBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <random>
#include <vector>

namespace {

// Each key of cube notation and the button it presses; Shift gives the reverse move.
struct Key {
    Qt::Key key;
    bool shift;
    const char* button;
    const char* notation;
    const char* line; // the log line, or for a whole-cube turn the line without its face number
};

const Key keys[] = {
    {Qt::Key_U, false, "HGH", "U", "Horiz Haut Gauche"},   {Qt::Key_U, true, "HHD", "U'", "Horiz Haut Droite"},
    {Qt::Key_D, false, "HBD", "D", "Horiz Bas Droite"},    {Qt::Key_D, true, "HGB", "D'", "Horiz Bas Gauche"},
    {Qt::Key_E, false, "HMD", "E", "Horiz Milieu Droite"}, {Qt::Key_E, true, "HGM", "E'", "Horiz Milieu Gauche"},
    {Qt::Key_R, false, "VHD", "R", "Vert Droite Haut"},    {Qt::Key_R, true, "VBD", "R'", "Vert Droite Bas"},
    {Qt::Key_L, false, "VBG", "L", "Vert Gauche Bas"},     {Qt::Key_L, true, "VHG", "L'", "Vert Gauche Haut"},
    {Qt::Key_M, false, "VBM", "M", "Vert Milieu Bas"},     {Qt::Key_M, true, "VHM", "M'", "Vert Milieu Haut"},
    {Qt::Key_F, false, "TDF", "F", "Trans Front Droite"},  {Qt::Key_F, true, "TGF", "F'", "Trans Front Gauche"},
    {Qt::Key_S, false, "TDM", "S", "Trans Milieu Droite"}, {Qt::Key_S, true, "TGM", "S'", "Trans Milieu Gauche"},
    {Qt::Key_B, false, "TGA", "B", "Trans Arri\u00e8re Gauche"},
    {Qt::Key_B, true, "TDA", "B'", "Trans Arri\u00e8re Droite"},
    {Qt::Key_X, false, "Haut", "x", "En haut"},            {Qt::Key_X, true, "Bas", "x'", "En bas"},
    {Qt::Key_Y, false, "Gauche", "y", "A gauche"},         {Qt::Key_Y, true, "Droite", "y'", "A droite"},
};

bool WholeCube(const Key& k) { return k.key == Qt::Key_X || k.key == Qt::Key_Y; }

// Every control of the window, where it was drawn in twips relative to its container.
struct Drawn {
    const char* name;
    int left, top, width, height;
};

const Drawn drawn[] = {
    {"CUBE1", 360, 840, 3252, 3372},    {"Haut", 1800, 480, 492, 252},      {"Bas", 1680, 4320, 612, 252},
    {"Gauche", 0, 2640, 372, 372},      {"Droite", 3600, 2400, 372, 372},   {"Frame5", 120, 0, 3972, 372},
    {"Init", 120, 120, 612, 252},       {"Melange", 3000, 120, 855, 255},   {"Frame4", 0, 5040, 972, 2412},
    {"RangerHaut", 120, 240, 612, 252}, {"IdM", 120, 600, 612, 252},        {"IdC", 120, 960, 612, 252},
    {"RangerM", 120, 1320, 732, 252},   {"FaceB", 120, 1680, 732, 252},     {"UneFace", 480, 2040, 252, 252},
    {"Frame6", 3120, 5160, 1092, 1692}, {"Ar", 120, 120, 375, 255},         {"CG", 120, 480, 375, 255},
    {"CD", 600, 480, 375, 255},         {"A", 120, 840, 255, 255},          {"B", 600, 840, 255, 255},
    {"PA", 120, 1200, 375, 255},        {"PC", 600, 1200, 375, 255},        {"Message", 1080, 4800, 1692, 252},
    {"List1", 1080, 5160, 2052, 1968},  {"Clear", 1200, 7200, 495, 375},    {"InvD", 2040, 7200, 255, 255},
    {"Inv", 2520, 7200, 495, 375},      {"Frame1", 3360, 5160, 732, 1212},  {"OptGauche", 120, 120, 495, 255},
    {"OptM", 120, 480, 495, 255},       {"OptDroit", 120, 840, 495, 255},   {"Frame2", 0, 5520, 1932, 492},
    {"OptArr", 120, 120, 495, 255},     {"OptMi", 600, 120, 495, 255},      {"OptFront", 1200, 120, 495, 255},
    {"Frame3", 2520, 6960, 2052, 372},  {"OptHaut", 120, 120, 495, 255},    {"OptMil", 600, 120, 495, 255},
    {"OptBas", 1080, 120, 495, 255},    {"HHD", 2640, 4320, 375, 375},      {"HGH", 960, 4320, 375, 375},
    {"HMD", 2880, 4440, 375, 375},      {"HGM", 720, 4440, 375, 375},       {"HBD", 3120, 4560, 375, 375},
    {"HGB", 480, 4560, 375, 375},       {"VHG", 3600, 1560, 375, 375},      {"VBG", 3600, 3120, 375, 375},
    {"VHM", 3720, 1200, 375, 375},      {"VBM", 3720, 3480, 375, 375},      {"VHD", 3840, 840, 375, 375},
    {"VBD", 3840, 3840, 375, 375},      {"TDF", 2520, 240, 495, 375},       {"TGF", 1080, 240, 495, 375},
    {"TDM", 2760, 360, 495, 375},       {"TGM", 840, 360, 495, 375},        {"TDA", 3000, 480, 495, 375},
    {"TGA", 600, 480, 495, 375},
};

// The drawn client area, in pixels at 15 twips to a pixel.
const QSize kDrawnSize(285, 512);

// The colour of visible square i (top 0-8, front 9-17, right 18-26) as the picture must show it.
QRgb SquareColour(CUBEDriver& d, int i)
{
    static constexpr int16_t position[3] = {0, 2, 3};
    std::array<int16_t, 9> face{};
    d.GetFace(d.WichFace(position[i / 9]), face.data());
    const auto& c = CUBEArtwork::Colours[static_cast<std::size_t>(face[static_cast<std::size_t>(i % 9)])];
    return qRgb(c.r, c.g, c.b);
}

// Where the centre of visible square i lands in a picture stretched to `size`.
QPoint CentreAt(int i, QSize size)
{
    const auto& p = CUBEArtwork::Centres[static_cast<std::size_t>(i)];
    return QPoint(static_cast<int>((p.x + 0.5) * size.width() / CUBEArtwork::Width),
                  static_cast<int>((p.y + 0.5) * size.height() / CUBEArtwork::Height));
}

// Squares whose centre in `picture` does not show their colour.
QStringList WrongCentres(const QImage& picture, CUBEDriver& d)
{
    QStringList wrong;
    for (int i = 0; i < 27; ++i) {
        const QPoint at = CentreAt(i, picture.size());
        const QRgb seen = picture.pixel(at) | 0xFF000000u, want = SquareColour(d, i);
        if (seen != want)
            wrong << QStringLiteral("square %1 at %2,%3: %4 instead of %5")
                         .arg(i)
                         .arg(at.x())
                         .arg(at.y())
                         .arg(QColor(seen).name(), QColor(want).name());
    }
    return wrong;
}

class Desktop : public WindowTest {
protected:
    // Shortcuts belong to the active window: show it and make it active.
    bool ShowActive()
    {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w.get());
    }
    static void Type(QWidget* target, const Key& k)
    {
        QTest::keyClick(target, k.key, k.shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    static void Type(QWindow* target, const Key& k)
    {
        QTest::keyClick(target, k.key, k.shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    // The log's turn lines back in cube notation; separators are left out.
    static QString InNotation(const QStringList& log)
    {
        QStringList out;
        for (const QString& line : log)
            for (const Key& k : keys)
                if (!WholeCube(k) && line == QString::fromUtf8(k.line))
                    out << QLatin1String(k.notation);
        return out.join(QLatin1Char(' '));
    }
};

// --- keys ----------------------------------------------------------------------------------------

TEST_F(Desktop, EveryKeyPressesItsButtonWhereverTheFocusIs)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    // A second window has the buttons clicked; the keys must leave both the same.
    Merlo clicked;
    auto pressOn = [](Merlo& m, const char* name) { m.findChild<QPushButton*>(QLatin1String(name))->click(); };

    for (const bool onList : {false, true}) {
        SCOPED_TRACE(onList ? "List1 has the focus" : "the window has the focus");
        if (onList) {
            w->List1->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), w->List1);
            w->List1->clearSelection();
            SelectRow(*w, -1);
        }
        for (const Key& k : keys) {
            SCOPED_TRACE(k.notation);
            const int before = LogCount(*w);
            if (onList)
                Type(w->List1, k);
            else
                Type(w->windowHandle(), k);
            pressOn(clicked, k.button);

            ASSERT_EQ(LogCount(*w), before + 1) << "the key pressed nothing, or more than its button";
            if (WholeCube(k))
                EXPECT_TRUE(LastLine().startsWith(QString::fromUtf8(k.line) + QLatin1Char(' '))) << LastLine().toStdString();
            else
                EXPECT_EQ(LastLine(), QString::fromUtf8(k.line));
            EXPECT_EQ(Counter(), QString::number(before + 1));
            EXPECT_EQ(Cube(), ReadCube(clicked.CUBE()));
        }
        // The list did not take the letters for a search of its lines ("En haut", "A gauche" ...).
        EXPECT_TRUE((SelectedRow(*w) < 0));
    }
    QStringList clickedLog;
    for (int i = 0; i < LogCount(clicked); ++i)
        clickedLog << LogLine(clicked, i);
    EXPECT_EQ(Log(), clickedLog);
}

TEST_F(Desktop, RandomRunsOfKeysMatchRunsOfClicks)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(keys) - 1);
    Merlo clicked;
    QWidget* targets[] = {w->List1, w->Clear, w.get()};
    for (QWidget* target : targets) {
        target->setFocus();
        for (int n = 0; n < 40; ++n) {
            const Key& k = keys[pick(rng)];
            Type(target, k);
            clicked.findChild<QPushButton*>(QLatin1String(k.button))->click();
        }
        EXPECT_EQ(Cube(), ReadCube(clicked.CUBE())) << target->objectName().toStdString();
    }
    EXPECT_EQ(LogCount(*w), 120);
    EXPECT_EQ(LogCount(clicked), 120);
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(LogLine(*w, i), LogLine(clicked, i)) << i;
}

TEST_F(Desktop, MacrosReadInCubeNotation)
{
    Press("PA");
    EXPECT_EQ(InNotation(Log()), "R' U R' U' R' U' R' U R U R R");
    EXPECT_TRUE(Get("PA")->toolTip().contains("R' U R' U' R' U' R' U R U R R")) << Get("PA")->toolTip().toStdString();
    // Every macro's tooltip spells out exactly the moves it logs.
    for (const char* macro : {"Ar", "CG", "CD", "A", "B", "PC"}) {
        SCOPED_TRACE(macro);
        Press("Clear");
        Press(macro);
        const QString moves = InNotation(Log());
        ASSERT_FALSE(moves.isEmpty());
        EXPECT_TRUE(Get(macro)->toolTip().endsWith(moves)) << Get(macro)->toolTip().toStdString();
    }
}

TEST_F(Desktop, AltIPressesInvDFromTheList)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    Press("TDM");
    w->List1->setFocus();
    QTest::keyClick(w->List1, Qt::Key_I, Qt::AltModifier);
    for (int i = 0; i < 100 && LogCount(*w) < 2; ++i)
        QTest::qWait(20);
    EXPECT_EQ(Log(), QStringList({"Trans Milieu Droite", "Trans Milieu Gauche"}));
}

TEST_F(Desktop, KeysWithoutAMoveDoNothing)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    const CubeState before = Cube();
    for (Qt::Key k : {Qt::Key_A, Qt::Key_W, Qt::Key_I, Qt::Key_1, Qt::Key_G})
        QTest::keyClick(w->windowHandle(), k);
    QTest::keyClick(w->windowHandle(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(LogCount(*w), 0);
    EXPECT_EQ(Cube(), before);
}

// --- tooltips and accessible names ---------------------------------------------------------------

// The move in notation and in words first, then its key, then the line it really writes.
TEST_F(Desktop, ArrowAndWholeCubeTooltipsNameTheMoveItsKeyAndItsLogLine)
{
    for (const Key& k : keys) {
        SCOPED_TRACE(k.button);
        QPushButton* b = Get(k.button);
        ASSERT_NE(b, nullptr);
        Press(k.button);
        // The line the button really writes, without a whole-cube turn's face number.
        QString line = LastLine();
        if (WholeCube(k))
            line = line.left(line.indexOf(QLatin1String("  ")));
        const QString key = QKeySequence(k.shift ? (Qt::SHIFT | k.key) : QKeyCombination(k.key)).toString(QKeySequence::NativeText);
        const QStringList tip = b->toolTip().split(QLatin1Char('\n'));
        ASSERT_EQ(tip.size(), 2) << b->toolTip().toStdString();
        EXPECT_EQ(tip[0], QLatin1String(k.notation) + QStringLiteral(" \u2014 ") + notation::Words(*notation::FromButton(QString::fromLatin1(k.button)))
                              + QStringLiteral(" (") + key + QLatin1Char(')'));
        EXPECT_TRUE(tip[1].startsWith(QStringLiteral("Logs \u201c") + line + QStringLiteral("\u201d"))) << tip[1].toStdString();
        EXPECT_TRUE(b->accessibleName().endsWith(QStringLiteral("(") + QLatin1String(k.notation) + QLatin1Char(')')))
            << b->accessibleName().toStdString();
    }
    EXPECT_EQ(Get("HGH")->accessibleName(), "Turn top layer left (U)");
    EXPECT_EQ(Get("HGH")->toolTip(), QStringLiteral("U \u2014 top face, clockwise (U)\nLogs \u201cHoriz Haut Gauche\u201d"));
    EXPECT_EQ(Get("Bas")->toolTip(), QStringLiteral("x' \u2014 whole cube, front to the bottom (Shift+X)\n"
                                                    "Logs \u201cEn bas\u201d and the number of the face that comes to the front"));
}

TEST_F(Desktop, EveryControlHasADistinctAccessibleNameAndATooltip)
{
    QSet<QString> names;
    for (const Drawn& d : drawn) {
        SCOPED_TRACE(d.name);
        QWidget* c = Get<QWidget>(d.name);
        ASSERT_NE(c, nullptr);
        EXPECT_FALSE(c->accessibleName().trimmed().isEmpty());
        EXPECT_FALSE(c->toolTip().trimmed().isEmpty());
        EXPECT_FALSE(names.contains(c->accessibleName())) << "twice: " << c->accessibleName().toStdString();
        names.insert(c->accessibleName());
    }
    EXPECT_FALSE(w->accessibleName().isEmpty());
    EXPECT_FALSE(w->List1->accessibleDescription().isEmpty());
    // Pictures say nothing to a screen reader: every arrow tells its move in words.
    for (const Key& k : keys)
        EXPECT_TRUE(Get(k.button)->accessibleName().startsWith(QLatin1String("Turn "))) << k.button;
}

// --- resizing ------------------------------------------------------------------------------------

// Every control's edges where the drawn twips land at the window's scale: one factor both ways, the
// smaller of the window's width and height against the drawn ones, with the drawn area centred in the
// window. Within a pixel and a half: both edges and the centring are rounded to whole pixels.
QStringList Misplaced(Merlo& w)
{
    const int bar = MenuBarHeight(w), height = w.height() - bar;
    const double f = std::min(double(w.width()) / kDrawnSize.width(), double(height) / kDrawnSize.height());
    const double ox = (w.width() - 4272 * f / 15) / 2, oy = bar + (height - 7680 * f / 15) / 2;
    QStringList wrong;
    for (const Drawn& d : drawn) {
        const QWidget* c = w.findChild<QWidget*>(QLatin1String(d.name));
        if (!c) {
            wrong << QString::fromLatin1(d.name) + QStringLiteral(" missing");
            continue;
        }
        const bool onWindow = c->parentWidget() == &w;
        const double x = onWindow ? ox : 0, y = onWindow ? oy : 0;
        const QRect g = c->geometry();
        const double want[4] = {x + d.left * f / 15, y + d.top * f / 15, x + (d.left + d.width) * f / 15,
                                y + (d.top + d.height) * f / 15};
        const int got[4] = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
        for (int e = 0; e < 4; ++e)
            if (std::abs(got[e] - want[e]) > 1.5)
                wrong << QStringLiteral("%1 edge %2: %3 instead of %4").arg(QLatin1String(d.name)).arg(e).arg(got[e]).arg(want[e]);
    }
    return wrong;
}

// Controls shown on the window that reach outside it.
QStringList Outside(Merlo& w)
{
    QStringList out;
    for (const Drawn& d : drawn) {
        const QWidget* c = w.findChild<QWidget*>(QLatin1String(d.name));
        if (!c || !c->isVisibleTo(&w))
            continue;
        const QRect g(c->mapTo(&w, QPoint(0, 0)), c->size());
        if (!w.rect().contains(g))
            out << QStringLiteral("%1 at %2,%3 %4x%5").arg(QLatin1String(d.name)).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    return out;
}

} // namespace

inline void PrintTo(const QSizeF& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }

namespace {

class Resizing : public Desktop, public testing::WithParamInterface<QSizeF> {};

TEST_P(Resizing, EveryControlKeepsItsPlaceAndThePictureItsColours)
{
    const QSizeF f = GetParam();
    const QSize bar(0, MenuBarHeight(*w));
    ASSERT_EQ(w->size(), kDrawnSize + bar);
    EXPECT_EQ(Misplaced(*w), QStringList());
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    std::map<std::string, QSize> drawnIcons;
    for (const Key& k : keys)
        drawnIcons[k.button] = Get(k.button)->iconSize();
    w->Session().SeedMelange(77);
    Press("Melange");
    Press("Gauche");
    Press("Haut");

    const QSize target = QSize(qRound(kDrawnSize.width() * f.width()), qRound(kDrawnSize.height() * f.height())) + bar;
    w->resize(target);
    w->DoEvents();
    ASSERT_EQ(w->size(), target);
    EXPECT_EQ(Misplaced(*w), QStringList());

    const QImage picture = w->CUBE1->grab().toImage();
    EXPECT_EQ(picture.size(), w->CUBE1->size() * w->CUBE1->devicePixelRatioF());
    EXPECT_EQ(WrongCentres(picture, w->CUBE()), QStringList());

    // The arrows' pictures grow and shrink with the window, and stay inside their buttons.
    const double least = std::min(f.width(), f.height());
    for (const Key& k : keys) {
        if (WholeCube(k))
            continue;
        const QPushButton* b = Get(k.button);
        EXPECT_LE(b->iconSize().width(), b->width()) << k.button;
        EXPECT_LE(b->iconSize().height(), b->height()) << k.button;
        const QSize was = drawnIcons.at(k.button);
        EXPECT_GE(std::max(b->iconSize().width(), b->iconSize().height()),
                  std::floor(std::max(was.width(), was.height()) * least) - 1)
            << k.button;
    }

    // The captions and the log grow and shrink with it too: the font drawn for 11 pixels, scaled by the
    // smaller of the two factors so captions fit both ways.
    const int pixels = static_cast<int>(std::lround(11 * least));
    for (const Drawn& d : drawn) {
        QWidget* c = Get<QWidget>(d.name);
        EXPECT_EQ(c->font().pixelSize(), pixels) << d.name;
        auto* b = qobject_cast<QPushButton*>(c);
        if (b && b->isVisible() && b->text().contains(QRegularExpression(QStringLiteral("^[A-Z]")))) {
            // What is drawn, not only what is asked: the caption's height in the button's picture.
            const QImage img = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int top = img.height(), bottom = -1;
            for (int y = 2; y < img.height() - 2; ++y)
                for (int x = 2; x < img.width() - 2; ++x)
                    if (qGray(img.pixel(x, y)) < 80) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            EXPECT_GE(bottom - top + 1, pixels / 2) << d.name;
            EXPECT_LE(bottom - top + 1, pixels + 2) << d.name;
        }
    }

    // And back: every control where it was drawn.
    w->resize(kDrawnSize + bar);
    w->DoEvents();
    EXPECT_EQ(Misplaced(*w), QStringList());
    EXPECT_EQ(WrongCentres(w->CUBE1->grab().toImage(), w->CUBE()), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Scales, Resizing,
                         testing::Values(QSizeF(2, 2), QSizeF(0.75, 0.75), QSizeF(1.5, 1.5), QSizeF(1.6, 1.0),
                                         QSizeF(1.0, 0.8)),
                         [](const testing::TestParamInfo<QSizeF>& p) {
                             return "w" + std::to_string(int(p.param.width() * 100)) + "_h" +
                                    std::to_string(int(p.param.height() * 100));
                         });

TEST_F(Desktop, TheWindowShrinksNoFurtherThanItsMinimum)
{
    EXPECT_EQ(w->minimumSize(), QSize(qRound(kDrawnSize.width() * 0.6), qRound(kDrawnSize.height() * 0.6) + MenuBarHeight(*w)));
    w->show();
    w->resize(50, 50);
    w->DoEvents();
    EXPECT_GE(w->width(), w->minimumWidth());
    EXPECT_GE(w->height(), w->minimumHeight());
    EXPECT_EQ(Misplaced(*w), QStringList());
}

// Wide, tall and large windows: the layout keeps one scale and stands centred, so the cube keeps its
// shape, no control leaves the window, and the picture is drawn at its own size, not stretched.
class Shapes : public Desktop, public testing::WithParamInterface<QSize> {};

TEST_P(Shapes, TheCubeKeepsItsShapeAndEveryControlStaysInside)
{
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->Session().SeedMelange(31);
    Press("Melange");
    Press("Droite");
    Press("Bas");
    w->resize(GetParam());
    w->DoEvents();
    ASSERT_EQ(w->size(), GetParam());
    EXPECT_EQ(Misplaced(*w), QStringList());
    EXPECT_EQ(Outside(*w), QStringList());
    const QSize cube = w->CUBE1->size();
    EXPECT_NEAR(double(cube.width()) / cube.height() / (217.0 / 225.0), 1.0, 0.03) << cube.width() << "x" << cube.height();
    // The layout fills the window one way, at least.
    const double f = std::min(double(GetParam().width()) / kDrawnSize.width(),
                              double(GetParam().height() - MenuBarHeight(*w)) / kDrawnSize.height());
    EXPECT_NEAR(cube.height(), 225 * f, 1.5);
    const QImage picture = w->CUBE1->grab().toImage();
    EXPECT_EQ(WrongCentres(picture, w->CUBE()), QStringList());
    EXPECT_LT(picturecheck::RepeatedRows(picture), 0.12);
    EXPECT_LT(picturecheck::RepeatedColumns(picture), 0.12);
}

INSTANTIATE_TEST_SUITE_P(Windows, Shapes,
                         testing::Values(QSize(1200, 600), QSize(300, 1000), QSize(1920, 1080), QSize(1080, 1920),
                                         QSize(3840, 2160)),
                         [](const testing::TestParamInfo<QSize>& p) {
                             return std::to_string(p.param.width()) + "x" + std::to_string(p.param.height());
                         });

TEST_F(Desktop, ResizingKeepsTheCommandsWorking)
{
    w->show();
    w->resize(kDrawnSize * 2);
    w->DoEvents();
    CCUBECtrl reference;
    Press("HBD");
    reference.MvtH(1, 1, 1);
    Press("Haut");
    reference.AfficherFace(reference.WichFace(5));
    EXPECT_EQ(Log(), QStringList({"Horiz Bas Droite", "En haut  5"}));
    EXPECT_EQ(Cube(), ReadCube(reference));
}

// --- a high-density screen -----------------------------------------------------------------------

// The scale factor is read when the application starts: the checks run in a child process of this
// test program, started with QT_SCALE_FACTOR set to the density.
class HighDensity : public testing::TestWithParam<const char*> {};

TEST_P(HighDensity, TheCubeIsComposedAtTheScreensPixels)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(GetParam()));
    env.insert(QStringLiteral("MERLO_HIGH_DENSITY_CHILD"), QLatin1String(GetParam()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=HighDensityChild.*")});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("[  PASSED  ] 2 tests."))) << out.toStdString();
    EXPECT_FALSE(out.contains(QLatin1String("SKIPPED"))) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Densities, HighDensity, testing::Values("1.5", "2", "3"),
                         [](const testing::TestParamInfo<const char*>& p) {
                             std::string n = p.param;
                             std::replace(n.begin(), n.end(), '.', '_');
                             return "x" + n;
                         });

// The density the child was started for, or 0 outside a child.
double ChildDensity() { return qEnvironmentVariable("MERLO_HIGH_DENSITY_CHILD").toDouble(); }

TEST(HighDensityChild, ControlComposesAtTheScreensPixelsAndDrawsThemOneToOne)
{
    if (ChildDensity() == 0)
        GTEST_SKIP() << "runs in the children of HighDensity.TheCubeIsComposedAtTheScreensPixels";
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), ChildDensity());
    const QSize device = (QSizeF(217, 225) * ChildDensity()).toSize();
    CCUBECtrl c;
    c.MvtH(0, 0, 1);
    c.resize(217, 225);
    c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    QCoreApplication::processEvents();
    ASSERT_EQ(c.Composed().size(), device);
    EXPECT_DOUBLE_EQ(c.Composed().devicePixelRatio(), ChildDensity());
    // Every paint, not only the first, composes at the screen's pixels and draws them 1:1, and after
    // turns and whole-cube turns every square shows its colour.
    for (int paint = 0; paint < 4; ++paint) {
        SCOPED_TRACE(paint);
        const QPixmap shown = c.grab();
        EXPECT_EQ(shown.size(), device);
        EXPECT_EQ(c.Composed().size(), device);
        const QImage img = shown.toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(img, c.Composed().convertToFormat(QImage::Format_RGB32));
        for (int i = 0; i < 27; ++i) {
            const auto& rgb = CUBEArtwork::Colours[static_cast<std::size_t>(
                c.GetElmt(c.WichFace(i < 9 ? 0 : i < 18 ? 2 : 3), static_cast<int16_t>(i % 9)))];
            EXPECT_EQ(img.pixel(CentreAt(i, img.size())) | 0xFF000000u, qRgb(rgb.r, rgb.g, rgb.b)) << i;
        }
        EXPECT_LT(picturecheck::RepeatedRows(img), 0.12);
        EXPECT_LT(picturecheck::RepeatedColumns(img), 0.12);
        c.MvtV(static_cast<int16_t>(paint % 3), 1, 1);
        c.AfficherFace(static_cast<int16_t>((paint + 1) % 6));
        QCoreApplication::processEvents();
    }
}

TEST(HighDensityChild, WindowShowsTheCubeAtTheScreensPixels)
{
    if (ChildDensity() == 0)
        GTEST_SKIP() << "runs in the children of HighDensity.TheCubeIsComposedAtTheScreensPixels";
    Merlo w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.Session().SeedMelange(5);
    w.findChild<QPushButton*>(QStringLiteral("Melange"))->click();
    w.DoEvents();
    // At the drawn size, and in a window larger and of another shape.
    for (QSize size : {kDrawnSize, QSize(650, 1168), QSize(900, 700)}) {
        SCOPED_TRACE(size.width());
        w.resize(size);
        w.DoEvents();
        const QImage picture = w.CUBE1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), (QSizeF(w.CUBE1->size()) * ChildDensity()).toSize());
        EXPECT_EQ(WrongCentres(picture, w.CUBE()), QStringList());
        EXPECT_LT(picturecheck::RepeatedRows(picture), 0.12);
        EXPECT_LT(picturecheck::RepeatedColumns(picture), 0.12);
        // Sharp: the very picture a control of our own composes at the screen's pixels, pixel for pixel.
        CCUBECtrl own;
        own.resize(w.CUBE1->size());
        CUBEDriver& d = w.CUBE();
        for (int16_t f = 0; f < 6; ++f) {
            std::array<int16_t, 9> squares{};
            d.GetFace(f, squares.data());
            own.SetFace(f, squares.data());
        }
        // A scramble turns layers only, so both cubes stand the same way: face n at position n.
        ASSERT_EQ(ReadCube(own), ReadCube(d));
        EXPECT_EQ(own.grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
    }
}

} // namespace
