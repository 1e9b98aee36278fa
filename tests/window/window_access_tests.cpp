// The window for a keyboard and a pointer: the focus mark of every control in every widget style,
// the Tab order, the keys of the log and of the window, and arrows that overlap yet each answer only
// where they are seen.
#include "window_support.h"

#include "Clavier.h"
#include "Recouvrement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <map>
#include <tuple>
#include <memory>
#include <random>
#include <string_view>

namespace {

const char* const arrows[] = {"HHD", "HGH", "HMD", "HGM", "HBD", "HGB", "VHG", "VBG", "VHM",
                              "VBM", "VHD", "VBD", "TDF", "TGF", "TDM", "TGM", "TDA", "TGA"};

class Access : public WindowTest {
protected:
    bool ShowActive()
    {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w.get());
    }
    // Shows the window at `size` and lets it lay itself out.
    void ShowAt(QSize size)
    {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->resize(size);
        w->DoEvents();
        ASSERT_EQ(w->size(), size);
    }
};

// --- the arrows: each answers where it is seen -----------------------------------------------

// The pixels of an arrow's picture that the window really shows, in window coordinates: where its
// icon has ink and the window, as painted, is dark, leaving out the ink of the arrows painted above.
std::vector<QPoint> SeenInk(QWidget& window, const QImage& shown, QPushButton* b)
{
    auto ink = [&window](QPushButton* a) {
        const QImage icon = a->icon().pixmap(a->iconSize(), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint at = a->mapTo(&window, QPoint((a->width() - icon.width()) / 2, (a->height() - icon.height()) / 2));
        std::vector<QPoint> points;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (qAlpha(icon.pixel(x, y)) > 200)
                    points.push_back(at + QPoint(x, y));
        return points;
    };
    // The ink of the arrows above, a pixel wider all round: where a style puts an icon may differ
    // from the middle of its button by a pixel.
    QImage others(shown.size(), QImage::Format_Mono);
    others.fill(0);
    const QObjectList& siblings = b->parentWidget()->children();
    for (qsizetype k = siblings.indexOf(b) + 1; k < siblings.size(); ++k)
        if (auto* above = qobject_cast<QPushButton*>(siblings[k]); above && !above->icon().isNull())
            for (const QPoint& p : ink(above))
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (others.rect().contains(p + QPoint(dx, dy)))
                            others.setPixel(p + QPoint(dx, dy), 1);
    std::vector<QPoint> seen;
    for (const QPoint& p : ink(b))
        if (shown.rect().contains(p) && qGray(shown.pixel(p)) < 60 && others.pixelIndex(p) == 0)
            seen.push_back(p);
    return seen;
}

// The seen pixel nearest to the middle of them all.
QPoint Middle(const std::vector<QPoint>& points)
{
    double x = 0, y = 0;
    for (const QPoint& p : points) {
        x += p.x();
        y += p.y();
    }
    const QPointF m(x / points.size(), y / points.size());
    return *std::min_element(points.begin(), points.end(), [m](QPoint a, QPoint b) {
        return QLineF(m, a).length() < QLineF(m, b).length();
    });
}

// The window's size, and whether the arrows have faces (as drawn) or are bare pictures, through
// whose empty parts the arrows beneath can be seen.
using HitCase = std::tuple<QSizeF, bool>;
class ArrowHits : public Access, public testing::WithParamInterface<HitCase> {};

TEST_P(ArrowHits, WhereverAnArrowIsSeenAClickPressesThatArrow)
{
    const auto [scale, bare] = GetParam();
    ShowAt(QSize(qRound(285 * scale.width()), qRound(512 * scale.height())));
    if (bare) {
        for (const char* name : arrows)
            Get(name)->setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; }"));
        w->DoEvents();
    }
    const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Merlo clicked;
    for (const char* name : arrows) {
        SCOPED_TRACE(name);
        QPushButton* b = Get(name);
        const std::vector<QPoint> seen = SeenInk(*w, shown, b);
        ASSERT_GE(seen.size(), 8u) << "hardly anything of the arrow is seen";
        // Everywhere its picture is seen, the window hands the mouse to this arrow ...
        QStringList elsewhere;
        for (const QPoint& p : seen)
            if (QWidget* at = w->childAt(p); at != b)
                elsewhere << QStringLiteral("%1,%2 goes to %3").arg(p.x()).arg(p.y()).arg(at ? at->objectName() : "nothing");
        EXPECT_EQ(elsewhere, QStringList()) << "of " << seen.size() << " pixels";
        // ... and a real click in the middle of what is seen turns this arrow's layer, and only that.
        const QPoint middle = Middle(seen);
        const int before = LogCount(*w);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, middle);
        clicked.findChild<QPushButton*>(QLatin1String(name))->click();
        ASSERT_EQ(LogCount(*w), before + 1) << "at " << middle.x() << "," << middle.y();
        EXPECT_EQ(LastLine(), LogLine(clicked, LogCount(clicked) - 1))
            << "at " << middle.x() << "," << middle.y();
        EXPECT_EQ(Cube(), ReadCube(clicked.CUBE()));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ArrowHits,
                         testing::Combine(testing::Values(QSizeF(1, 1), QSizeF(2, 2), QSizeF(0.75, 0.75),
                                                          QSizeF(1.6, 1.0), QSizeF(1.0, 1.4)),
                                          testing::Bool()),
                         [](const testing::TestParamInfo<HitCase>& p) {
                             const QSizeF s = std::get<0>(p.param);
                             return "w" + std::to_string(int(s.width() * 100)) + "_h" + std::to_string(int(s.height() * 100))
                                    + (std::get<1>(p.param) ? "_bare" : "");
                         });

TEST(Recouvrement, WhatIsLeftInSightOfARectangle)
{
    const QRect r(10, 10, 30, 20);
    EXPECT_EQ(PartieVisible(r, {}), QRegion(0, 0, 30, 20));
    EXPECT_EQ(PartieVisible(r, {QRegion(20, 0, 100, 100)}), QRegion(0, 0, 10, 20));
    EXPECT_TRUE(PartieVisible(r, {QRegion(0, 0, 25, 100), QRegion(25, 0, 100, 100)}).isEmpty());
    // Only what lies over the rectangle counts, and in the rectangle's own coordinates.
    EXPECT_EQ(PartieVisible(r, {QRegion(100, 100, 5, 5), QRegion(10, 10, 5, 5)}),
              QRegion(0, 0, 30, 20) - QRegion(0, 0, 5, 5));
}

// --- focus ---------------------------------------------------------------------------------------

// Tab's round: the reset and the scramble above the cube, round the cube clockwise from the top
// left, the stages from top to bottom, the log and its buttons, the macros.
const char* const tabRound[] = {
    "Init", "Melange", "TGA", "TGM", "TGF", "Haut", "TDF", "TDM", "TDA", "VHD", "VHM", "VHG", "Droite", "VBG",
    "VBM", "VBD", "HBD", "HMD", "HHD", "Bas", "HGH", "HGM", "HGB", "Gauche", "RangerHaut", "IdM", "IdC",
    "RangerM", "FaceB", "UneFace", "List1", "Clear", "InvD", "Inv", "Ar", "CG", "CD", "A", "B", "PA", "PC"};

QStringList Focusable(QWidget& window)
{
    QStringList names;
    for (QWidget* c : window.findChildren<QWidget*>())
        if ((c->focusPolicy() & Qt::TabFocus) && c->isVisibleTo(&window) && c->isEnabled() && !c->isWindow())
            names << c->objectName();
    names.sort();
    return names;
}

TEST_F(Access, TabGoesRoundTheCubeThenTheStagesTheLogAndTheMacros)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    // Every control Tab can reach is in the round, once.
    QStringList round;
    for (const char* n : tabRound)
        round << QLatin1String(n);
    QStringList sorted = round;
    sorted.sort();
    EXPECT_EQ(Focusable(*w), sorted);

    Get("Init")->setFocus(Qt::TabFocusReason);
    for (int lap = 0; lap < 2; ++lap)
        for (std::size_t k = 1; k <= std::size(tabRound); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), tabRound[k % std::size(tabRound)]) << k;
        }
    // Shift+Tab goes the same round backwards.
    for (std::size_t k = std::size(tabRound); k-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), tabRound[k]) << k;
    }
    // Going round pressed nothing.
    EXPECT_EQ(LogCount(*w), 0);
}

// Sets the application's widget style for one scope.
class StyleScope {
public:
    explicit StyleScope(const QString& key) : m_Old(QApplication::style()->name()) { QApplication::setStyle(key); }
    ~StyleScope() { QApplication::setStyle(m_Old); }

private:
    QString m_Old;
};

TEST_F(Access, EveryControlShowsTheFocusInEveryWidgetStyle)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    Press("HGH"); // a log line, so the list has something to show besides its focus
    const QStringList styles = QStyleFactory::keys();
    ASSERT_FALSE(styles.isEmpty());
    for (const QString& style : styles) {
        SCOPED_TRACE(style.toStdString());
        StyleScope scope(style);
        w->DoEvents();
        QStringList unmarked;
        for (const char* name : tabRound) {
            QWidget* c = Get<QWidget>(name);
            // From a control far off, so that the picture of this one shows no focus of its own.
            Get<QWidget>(std::string_view(name) == "Init" ? "PC" : "Init")->setFocus(Qt::TabFocusReason);
            w->DoEvents();
            ASSERT_FALSE(c->hasFocus());
            const QImage without = c->grab().toImage();
            c->setFocus(Qt::TabFocusReason);
            w->DoEvents();
            ASSERT_TRUE(c->hasFocus()) << name;
            const QImage with = c->grab().toImage();
            if (with == without)
                unmarked << QLatin1String(name);
        }
        EXPECT_EQ(unmarked, QStringList()) << "no focus mark";
    }
}

// --- keys of the log and the window --------------------------------------------------------------

TEST_F(Access, CtrlQClosesTheWindowAsItsCloseButtonDoes)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    CloseCatcher catcher;
    w->installEventFilter(&catcher);
    // From any control: a button, the log.
    QTest::keyClick(w->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(catcher.closes, 1);
    w->List1->setFocus();
    QTest::keyClick(w->List1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(catcher.closes, 2);
    // Q alone is no move and closes nothing.
    QTest::keyClick(w->windowHandle(), Qt::Key_Q);
    EXPECT_EQ(catcher.closes, 2);
    EXPECT_EQ(LogCount(*w), 0);
}

TEST_F(Access, DeleteAndBackspaceRemoveTheLineADoubleClickRemoves)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    // A second window has its lines double-clicked; both must stay the same.
    Merlo clicked;
    clicked.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&clicked));
    auto fill = [](Merlo& m) {
        m.Session().SeedMelange(9);
        m.findChild<QPushButton*>("Melange")->click();
        m.findChild<QPushButton*>("PA")->click();
        m.findChild<QPushButton*>("Haut")->click();
    };
    fill(*w);
    fill(clicked);
    ASSERT_EQ(Log().size(), LogCount(clicked));
    std::mt19937 rng(14);
    w->List1->setFocus();
    for (int n = 0; LogCount(*w) > 0; ++n) {
        SCOPED_TRACE(n);
        const int row = std::uniform_int_distribution<int>(0, LogCount(*w) - 1)(rng);
        SelectRow(*w, row);
        QTest::keyClick(w->List1, n % 2 ? Qt::Key_Backspace : Qt::Key_Delete);
        QListView* other = clicked.List1;
        other->scrollTo(RowIndex(clicked, row));
        clicked.DoEvents();
        const QPoint at = other->visualRect(RowIndex(clicked, row)).center();
        ASSERT_EQ(other->indexAt(at), RowIndex(clicked, row));
        // Through the window system, which makes the double click out of two presses.
        QTest::mouseDClick(clicked.windowHandle(), Qt::LeftButton, Qt::NoModifier, other->viewport()->mapTo(&clicked, at));
        const QStringList otherLog = LogLines(clicked);
        ASSERT_EQ(Log().size(), otherLog.size()) << "row " << row;
        ASSERT_EQ(Log(), otherLog);
        EXPECT_EQ(Counter(), clicked.Message->text());
        EXPECT_EQ(Cube(), ReadCube(clicked.CUBE()));
    }
    // With no line selected there is nothing to remove.
    Press("HGH");
    w->List1->clearSelection();
    QTest::keyClick(w->List1, Qt::Key_Delete);
    EXPECT_EQ(Log(), QStringList{"Horiz Haut Gauche"});
    // And the keys belong to the log: on a button they remove nothing.
    SelectRow(*w, 0);
    Get("Clear")->setFocus();
    QTest::keyClick(Get("Clear"), Qt::Key_Delete);
    EXPECT_EQ(Log(), QStringList{"Horiz Haut Gauche"});
}

} // namespace
