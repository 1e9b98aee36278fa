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
        const int before = w->List1->count();
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, middle);
        clicked.findChild<QPushButton*>(QLatin1String(name))->click();
        ASSERT_EQ(w->List1->count(), before + 1) << "at " << middle.x() << "," << middle.y();
        EXPECT_EQ(LastLine(), clicked.List1->item(clicked.List1->count() - 1)->text())
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

} // namespace
