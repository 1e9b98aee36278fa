// The window's inventory: every control by its name, where it stands, what it says, what holds it.
#include "window_support.h"

#include "Resolveur.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeySequence>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// Twips to pixels, worked out here on its own: 15 twips to a pixel, both edges rounded.
QRect Px(int l, int t, int wd, int h)
{
    auto r = [](int v) { return static_cast<int>(std::lround(v / 15.0)); };
    return QRect(QPoint(r(l), r(t)), QPoint(r(l + wd) - 1, r(t + h) - 1));
}

struct Control {
    const char* name;
    const char* kind; // class name
    const char* parent;
    int l, t, wd, h;
    const char* caption;
};

const Control inventory[] = {
    {"CUBE1", nullptr, "Merlo", 360, 840, 3252, 3372, nullptr},
    {"Haut", "QPushButton", "Merlo", 1800, 480, 492, 252, "Haut"},
    {"Bas", "QPushButton", "Merlo", 1680, 4320, 612, 252, "Bas"},
    {"Gauche", "QPushButton", "Merlo", 0, 2640, 372, 372, "<--"},
    {"Droite", "QPushButton", "Merlo", 3600, 2400, 372, 372, "-->"},
    {"Frame5", "QGroupBox", "Merlo", 120, 0, 3972, 372, ""},
    {"Init", "QPushButton", "Frame5", 120, 120, 612, 252, "Init"},
    {"Melange", "QPushButton", "Frame5", 3000, 120, 855, 255, "Melange"},
    {"Frame4", "QGroupBox", "Merlo", 0, 5040, 972, 2412, ""},
    {"RangerHaut", "QPushButton", "Frame4", 120, 240, 612, 252, "FaceH"},
    {"IdM", "QPushButton", "Frame4", 120, 600, 612, 252, "Arretes"},
    {"IdC", "QPushButton", "Frame4", 120, 960, 612, 252, "Coins"},
    {"RangerM", "QPushButton", "Frame4", 120, 1320, 732, 252, "Zone M"},
    {"FaceB", "QPushButton", "Frame4", 120, 1680, 732, 252, "Face B"},
    {"UneFace", "QPushButton", "Frame4", 480, 2040, 252, 252, "T"},
    {"Frame6", "QGroupBox", "Merlo", 3120, 5160, 1092, 1692, ""},
    {"Ar", "QPushButton", "Frame6", 120, 120, 375, 255, "Ar"},
    {"CG", "QPushButton", "Frame6", 120, 480, 375, 255, "CG"},
    {"CD", "QPushButton", "Frame6", 600, 480, 375, 255, "CD"},
    {"A", "QPushButton", "Frame6", 120, 840, 255, 255, "A"},
    {"B", "QPushButton", "Frame6", 600, 840, 255, 255, "B"},
    {"PA", "QPushButton", "Frame6", 120, 1200, 375, 255, "PA"},
    {"PC", "QPushButton", "Frame6", 600, 1200, 375, 255, "PC"},
    {"Message", "QLabel", "Merlo", 1080, 4800, 1692, 252, ""},
    {"List1", "QListView", "Merlo", 1080, 5160, 2052, 1968, nullptr},
    {"Clear", "QPushButton", "Merlo", 1200, 7200, 495, 375, "Clear"},
    {"InvD", "QPushButton", "Merlo", 2040, 7200, 255, 255, "&I"},
    {"Inv", "QPushButton", "Merlo", 2520, 7200, 495, 375, "Inv"},
    {"Frame1", "QGroupBox", "Merlo", 3360, 5160, 732, 1212, ""},
    {"OptGauche", "QRadioButton", "Frame1", 120, 120, 495, 255, "G"},
    {"OptM", "QRadioButton", "Frame1", 120, 480, 495, 255, "M"},
    {"OptDroit", "QRadioButton", "Frame1", 120, 840, 495, 255, "D"},
    {"Frame2", "QGroupBox", "Merlo", 0, 5520, 1932, 492, ""},
    {"OptArr", "QRadioButton", "Frame2", 120, 120, 495, 255, "A"},
    {"OptMi", "QRadioButton", "Frame2", 600, 120, 495, 255, "M"},
    {"OptFront", "QRadioButton", "Frame2", 1200, 120, 495, 255, "F"},
    {"Frame3", "QGroupBox", "Merlo", 2520, 6960, 2052, 372, ""},
    {"OptHaut", "QRadioButton", "Frame3", 120, 120, 495, 255, "H"},
    {"OptMil", "QRadioButton", "Frame3", 600, 120, 495, 255, "M"},
    {"OptBas", "QRadioButton", "Frame3", 1080, 120, 495, 255, "B"},
};

struct Arrow {
    const char* name;
    int l, t;
    char picture; // R right, L left, U up, D down, r arc bending right, l arc bending left
};

const Arrow arrows[] = {
    {"HHD", 2640, 4320, 'R'}, {"HGH", 960, 4320, 'L'}, {"HMD", 2880, 4440, 'R'}, {"HGM", 720, 4440, 'L'},
    {"HBD", 3120, 4560, 'R'}, {"HGB", 480, 4560, 'L'}, {"VHG", 3600, 1560, 'U'}, {"VBG", 3600, 3120, 'D'},
    {"VHM", 3720, 1200, 'U'}, {"VBM", 3720, 3480, 'D'}, {"VHD", 3840, 840, 'U'}, {"VBD", 3840, 3840, 'D'},
    {"TDF", 2520, 240, 'r'}, {"TGF", 1080, 240, 'l'}, {"TDM", 2760, 360, 'r'}, {"TGM", 840, 360, 'l'},
    {"TDA", 3000, 480, 'r'}, {"TGA", 600, 480, 'l'},
};

using Inventory = WindowTest;

TEST_F(Inventory, WindowHasItsNameCaptionAndClientArea)
{
    EXPECT_EQ(w->objectName(), "Merlo");
    EXPECT_EQ(w->windowTitle(), "MERLO's");
    EXPECT_EQ(w->size() - QSize(0, MenuBarHeight(*w)), Px(0, 0, 4272, 7680).size());
}

TEST_F(Inventory, EveryControlStandsInItsContainerWithItsCaption)
{
    for (const Control& c : inventory) {
        SCOPED_TRACE(c.name);
        QWidget* x = w->findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(x, nullptr);
        if (c.kind) {
            EXPECT_STREQ(x->metaObject()->className(), c.kind);
        }
        ASSERT_NE(x->parentWidget(), nullptr);
        EXPECT_EQ(x->parentWidget()->objectName(), c.parent);
        EXPECT_EQ(InDrawnArea(*w, *x), Px(c.l, c.t, c.wd, c.h));
        if (!c.caption)
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(x)) {
            EXPECT_EQ(b->text(), c.caption);
        } else if (auto* g = qobject_cast<QGroupBox*>(x)) {
            EXPECT_EQ(g->title(), c.caption);
        } else if (auto* l = qobject_cast<QLabel*>(x)) {
            EXPECT_EQ(l->text(), c.caption) << "the counter is empty until the first update, not \"0\"";
        }
    }
    EXPECT_EQ(w->CUBE1, w->findChild<QWidget*>("CUBE1"));
}

TEST_F(Inventory, OptionFramesAreHiddenTheOthersShown)
{
    w->show();
    for (const char* hidden : {"Frame1", "Frame2", "Frame3"})
        EXPECT_FALSE(Get<QGroupBox>(hidden)->isVisible()) << hidden;
    for (const char* shown : {"Frame4", "Frame5", "Frame6", "List1", "Message", "CUBE1", "HBD", "TGA"})
        EXPECT_TRUE(Get<QWidget>(shown)->isVisible()) << shown;
}

TEST_F(Inventory, ArrowButtonsHaveTheirPlaceAndAPictureInTheirDirection)
{
    for (const Arrow& a : arrows) {
        SCOPED_TRACE(a.name);
        QPushButton* b = Get(a.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->parentWidget(), w.get());
        const bool slice = a.picture == 'r' || a.picture == 'l';
        EXPECT_EQ(InDrawnArea(*w, *b), Px(a.l, a.t, slice ? 495 : 375, 375));
        EXPECT_TRUE(b->text().isEmpty());
        // The picture has its own size, and is drawn afresh at any other size it is shown at: at
        // five and a half times its size its edges are as crisp as at its own, so the soft pixels
        // along them make a much smaller share of the ink than a stretched copy would show.
        const bool vertical = a.picture == 'U' || a.picture == 'D';
        const QSize drawnSize = vertical ? QSize(16, 32) : QSize(32, 16);
        EXPECT_EQ(b->icon().availableSizes(), QList<QSize>{drawnSize});
        auto softShare = [](const QImage& i) {
            int soft = 0, inked = 0;
            for (int y = 0; y < i.height(); ++y)
                for (int x = 0; x < i.width(); ++x) {
                    const int alpha = qAlpha(i.pixel(x, y));
                    soft += alpha > 0 && alpha < 255;
                    inked += alpha > 0;
                }
            return inked ? double(soft) / inked : 1.0;
        };
        const QImage own = b->icon().pixmap(drawnSize).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage large = b->icon().pixmap(drawnSize * 5.5).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(own.size(), drawnSize);
        ASSERT_EQ(large.size(), drawnSize * 5.5);
        EXPECT_LT(softShare(large), 0.5 * softShare(own));
        const QImage stretched = own.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(softShare(stretched), 0.5 * softShare(own)); // what the measure is there to catch

        // Where the ink lies tells the direction: the head of an arrow carries more of it.
        const QImage& img = own;
        double sx = 0, sy = 0, n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const double ink = qAlpha(img.pixel(x, y)) / 255.0;
                sx += ink * x;
                sy += ink * y;
                n += ink;
            }
        ASSERT_GT(n, 20);
        const double cx = sx / n / img.width(), cy = sy / n / img.height();
        switch (a.picture) {
        case 'R': EXPECT_GT(cx, 0.55); EXPECT_NEAR(cy, 0.5, 0.1); break;
        case 'L': EXPECT_LT(cx, 0.45); EXPECT_NEAR(cy, 0.5, 0.1); break;
        case 'U': EXPECT_LT(cy, 0.45); EXPECT_NEAR(cx, 0.5, 0.1); break;
        case 'D': EXPECT_GT(cy, 0.55); EXPECT_NEAR(cx, 0.5, 0.1); break;
        case 'r': EXPECT_GT(cx, 0.55); break;
        case 'l': EXPECT_LT(cx, 0.45); break;
        }
        if (slice) {
            // The arc bends down at its head: the ink of the head's side lies lower than the other side's.
            auto sideY = [&](bool right) {
                double s = 0, m = 0;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = right ? img.width() * 3 / 4 : 0; x < (right ? img.width() : img.width() / 4); ++x) {
                        const double ink = qAlpha(img.pixel(x, y)) / 255.0;
                        s += ink * y;
                        m += ink;
                    }
                return s / m;
            };
            const bool right = a.picture == 'r';
            EXPECT_GT(sideY(right), img.height() / 2.0);
        }
    }
}

TEST_F(Inventory, ColouredButtonsShowTheirFaceColour)
{
    const struct {
        const char* name;
        QColor colour;
    } coloured[] = {
        {"Haut", QColor(255, 255, 0)},    {"Bas", QColor(255, 255, 0)},     {"Gauche", QColor(255, 255, 0)},
        {"Droite", QColor(255, 255, 0)},  {"Init", QColor(255, 128, 128)},  {"Melange", QColor(128, 255, 128)},
        {"RangerHaut", QColor(0, 255, 0)}, {"IdM", QColor(0, 255, 0)},      {"IdC", QColor(0, 255, 0)},
        {"RangerM", QColor(0, 255, 0)},   {"FaceB", QColor(0, 255, 0)},     {"UneFace", QColor(255, 255, 192)},
    };
    w->show();
    for (const auto& c : coloured) {
        SCOPED_TRACE(c.name);
        const QImage img = Get(c.name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The face is what covers most of the button, around its caption.
        std::map<QRgb, int> count;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ++count[img.pixel(x, y)];
        const auto most = std::max_element(count.begin(), count.end(),
                                           [](auto& a, auto& b) { return a.second < b.second; });
        EXPECT_EQ(QColor(most->first), c.colour);
    }
}

TEST_F(Inventory, OptionGroupsAreExclusiveAndStartOnGaucheArrHaut)
{
    EXPECT_EQ(Checked("OptGauche", "OptM", "OptDroit"), "OptGauche");
    EXPECT_EQ(Checked("OptArr", "OptMi", "OptFront"), "OptArr");
    EXPECT_EQ(Checked("OptHaut", "OptMil", "OptBas"), "OptHaut");
    const char* groups[3][3] = {{"OptGauche", "OptM", "OptDroit"}, {"OptArr", "OptMi", "OptFront"},
                                {"OptHaut", "OptMil", "OptBas"}};
    for (auto& g : groups)
        for (const char* pick : g) {
            Get<QRadioButton>(pick)->setChecked(true);
            EXPECT_EQ(Checked(g[0], g[1], g[2]), pick);
            // A click on the selected one keeps it selected: one is always selected.
            Get<QRadioButton>(pick)->click();
            EXPECT_EQ(Checked(g[0], g[1], g[2]), pick);
        }
}

TEST_F(Inventory, StateAtStart)
{
    EXPECT_EQ(Counter(), "");
    EXPECT_EQ(LogCount(*w), 0);
    EXPECT_EQ(w->List1->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(w->Session().FaceVue(), 0);
    for (int16_t c : w->Etapes().Cases)
        EXPECT_EQ(c, 0);
    CCUBECtrl fresh;
    EXPECT_EQ(Cube(), ReadCube(fresh));
}

TEST_F(Inventory, AltIPressesInvD)
{
    EXPECT_EQ(Get("InvD")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_I));
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        GTEST_SKIP() << "the window cannot become active on this platform";
    Press("HBD");
    // Through the window system, where shortcuts are looked up.
    QTest::keyClick(w->windowHandle(), Qt::Key_I, Qt::AltModifier);
    // A mnemonic presses the button the way a click looks: down a moment, then clicked.
    for (int i = 0; i < 100 && LogCount(*w) < 2; ++i)
        QTest::qWait(20);
    EXPECT_EQ(Log(), QStringList({"Horiz Bas Droite", "Horiz Bas Gauche"}));
}

} // namespace
