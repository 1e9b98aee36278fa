// The control's picture: the colour at every visible square, the lines, design mode, that the
// kept pictures compose exactly like pictures drawn afresh, and that the picture is drawn at its own
// size rather than stretched.
#include "paint_support.h"
#include "picture_checks.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include <set>
#include <string>

using namespace painttest;

namespace {

std::string Hex(QRgb c) { return QString::asprintf("#%06x", c & 0xffffff).toStdString(); }

// Every visible square shows the colour the cube holds there (white for colours that have no picture).
void ExpectSquares(const CCUBECtrl& c, const QImage& img)
{
    for (int i = 0; i < 27; ++i) {
        const int colour = VisibleColour(c, i);
        const QRgb want = Rgb(colour >= 0 && colour <= 5 ? colour : 0);
        const QPoint at = CentreAt(i, img.size());
        EXPECT_EQ(Hex(img.pixel(at)), Hex(want)) << "square " << i << " at " << at.x() << "," << at.y();
    }
}

void ExpectRows(const QImage& img, std::initializer_list<std::pair<int, int>> ranges)
{
    for (auto [first, colour] : ranges)
        for (int i = first; i < first + 9; ++i)
            EXPECT_EQ(Hex(img.pixel(CentreAt(i, img.size()))), Hex(Rgb(colour))) << "square " << i;
}

class PaintAtSize : public testing::TestWithParam<QSize> {};

TEST_P(PaintAtSize, NewCubeIsWhiteGreenRed)
{
    CCUBECtrl c;
    const QImage img = Paint(c, GetParam());
    ExpectRows(img, {{0, 0}, {9, 2}, {18, 3}});
}

TEST_P(PaintAtSize, BottomRowTurnBringsRedAndBlueUp)
{
    CCUBECtrl c;
    c.MvtH(0, 0, 1);
    const QImage img = Paint(c, GetParam());
    for (int i = 0; i < 27; ++i) {
        const int want = i < 9 ? 0 : i <= 11 ? 3 : i < 18 ? 2 : i <= 20 ? 4 : 3;
        EXPECT_EQ(Hex(img.pixel(CentreAt(i, img.size()))), Hex(Rgb(want))) << "square " << i;
    }
    ExpectSquares(c, img);
}

TEST_P(PaintAtSize, ShowingTheTopFaceInFront)
{
    CCUBECtrl c;
    c.AfficherFace(c.WichFace(0));
    const QImage img = Paint(c, GetParam());
    ExpectRows(img, {{0, 4}, {9, 0}, {18, 3}});
}

TEST_P(PaintAtSize, RandomCubesShowEverySquare)
{
    std::mt19937 rng(1234);
    CCUBECtrl c;
    for (int round = 0; round < 25; ++round) {
        Scramble(c, rng, 1 + round % 7);
        const QImage img = Paint(c, GetParam());
        ExpectSquares(c, img);
        if (testing::Test::HasFailure())
            return;
    }
}

TEST_P(PaintAtSize, OnlyCubeColoursAndBlackLinesOfTheBase)
{
    std::mt19937 rng(99);
    CCUBECtrl c;
    Scramble(c, rng, 30);
    const QImage img = Paint(c, GetParam());
    const QImage base = CCUBEPictures::Fresh(CUBEArtwork::Base, GetParam());
    std::set<QRgb> allowed{qRgb(0, 0, 0)};
    for (int k = 0; k < 6; ++k)
        allowed.insert(Rgb(k));
    int lines = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            ASSERT_TRUE(allowed.count(p)) << Hex(p) << " at " << x << "," << y;
            if (base.pixel(x, y) == qRgb(0, 0, 0)) {
                ++lines;
                ASSERT_EQ(p, qRgb(0, 0, 0)) << "line pixel " << x << "," << y;
            }
        }
    EXPECT_GT(lines, img.width()); // the base does have lines and a background
}

TEST_P(PaintAtSize, SameAsLoadingEveryPictureAfresh)
{
    std::mt19937 rng(7);
    CCUBECtrl c;
    // Drawing all 28 pictures afresh, pixel by pixel, is slow at the large sizes: fewer rounds there.
    const int rounds = GetParam().width() * GetParam().height() > 200000 ? 2 : 6;
    for (int round = 0; round < rounds; ++round) {
        Scramble(c, rng, 5);
        const QImage img = Paint(c, GetParam());
        ASSERT_EQ(img, ComposeAfresh(c, GetParam())) << "round " << round;
        ASSERT_EQ(c.Composed(), img);
    }
}

// The window's size and four times it, the reference layout, a squashed one, the smallest window's,
// and odd sizes of 1.5 and 3 times the window's (a density of 1.5 or 3) and beyond.
INSTANTIATE_TEST_SUITE_P(Sizes, PaintAtSize,
                         testing::Values(DefaultSize, LargeSize, QSize(CUBEArtwork::Width, CUBEArtwork::Height),
                                         QSize(300, 120), QSize(130, 134), QSize(326, 338), QSize(651, 675),
                                         QSize(1001, 1039)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

TEST(Paint, GrabGoesThroughThePaintEvent)
{
    CCUBECtrl c;
    c.MvtV(0, 0, 1);
    c.resize(DefaultSize);
    const QImage img = c.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(img.size(), DefaultSize);
    ExpectSquares(c, img);
    EXPECT_EQ(img, c.Composed());
}

TEST(Paint, DesignModeDrawsNothing)
{
    CCUBECtrl c;
    c.SetAmbientUserMode(false);
    const QRgb mark = qRgb(1, 2, 3);
    const QImage img = Paint(c, DefaultSize, mark);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixel(x, y), mark) << x << "," << y;
    EXPECT_TRUE(c.Composed().isNull());

    c.SetAmbientUserMode(true);
    const QImage shown = Paint(c, DefaultSize, mark);
    EXPECT_EQ(shown, ComposeAfresh(c, DefaultSize)); // every pixel drawn once running
    c.SetAmbientUserMode(false);
    Paint(c, DefaultSize, mark);
    EXPECT_TRUE(c.Composed().isNull());
}

// Every size gets its own drawing, the same as drawing every picture afresh at that size.
TEST(Paint, ResizingDrawsThePictureAgainAtTheNewSize)
{
    CCUBECtrl c;
    c.MvtT(2, 1, 1);
    for (QSize size : {DefaultSize, QSize(50, 60), LargeSize, DefaultSize, QSize(1, 1)}) {
        const QImage img = Paint(c, size);
        ASSERT_EQ(c.Composed().size(), size);
        ASSERT_EQ(img, ComposeAfresh(c, size)) << size.width() << "x" << size.height();
    }
}

// At the window's shape and any size from its own up to a full 4K screen's height, the picture
// repeats few rows and few columns: every slanted edge steps at the picture's own pixels.
class CrispAtSize : public testing::TestWithParam<QSize> {};

TEST_P(CrispAtSize, FewRepeatedRowsOrColumnsAndEverySquareRight)
{
    std::mt19937 rng(2024);
    CCUBECtrl c;
    Scramble(c, rng, 40);
    const QImage img = Paint(c, GetParam());
    ExpectSquares(c, img);
    EXPECT_LT(picturecheck::RepeatedRows(img), 0.12);
    EXPECT_LT(picturecheck::RepeatedColumns(img), 0.12);
}

INSTANTIATE_TEST_SUITE_P(WindowShape, CrispAtSize,
                         testing::Values(DefaultSize, QSize(326, 338), QSize(434, 450), QSize(543, 563),
                                         QSize(651, 675), LargeSize, QSize(1001, 1039), QSize(2083, 2160)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

// The measure does see a stretched picture: the reference drawing stretched to four times the
// window's size repeats most rows and columns.
TEST(Crisp, AStretchedPictureRepeatsMostRows)
{
    const QImage stretched = CCUBEPictures::Fresh(CUBEArtwork::Base, QSize(CUBEArtwork::Width, CUBEArtwork::Height))
                                 .scaled(LargeSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_GT(picturecheck::RepeatedRows(stretched), 0.5);
    EXPECT_GT(picturecheck::RepeatedColumns(stretched), 0.5);
    const QImage drawn = CCUBEPictures::Fresh(CUBEArtwork::Base, LargeSize);
    EXPECT_LT(picturecheck::RepeatedRows(drawn), 0.12);
    EXPECT_LT(picturecheck::RepeatedColumns(drawn), 0.12);
}

// Colours outside 0..5 have no picture. The bare resource number of some of them would name another
// picture (-3 at square 1 gives the toolbox bitmap, -1 at square 2 the view from below, 6 at 26 nothing).
TEST(Paint, ColoursWithoutPictureStayWhite)
{
    const std::array<int16_t, 9> top{6, -3, -1, 0, 7, -2, 100, 0, -32768};
    const std::array<int16_t, 9> front{2, 2, 2, 999, 2, 2, 2, 2, 32767};
    const std::array<int16_t, 9> right{3, -1, 3, 3, 3, 3, 3, 3, 6};
    CCUBECtrl bad, white;
    bad.SetFace(0, top.data());
    bad.SetFace(2, front.data());
    bad.SetFace(3, right.data());
    auto whiten = [](std::array<int16_t, 9> v) {
        for (auto& s : v)
            if (s < 0 || s > 5)
                s = 0;
        return v;
    };
    white.SetFace(0, whiten(top).data());
    white.SetFace(2, whiten(front).data());
    white.SetFace(3, whiten(right).data());
    for (QSize size : {DefaultSize, LargeSize}) {
        const QImage img = Paint(bad, size);
        ExpectSquares(bad, img);
        EXPECT_EQ(img, Paint(white, size));
    }
}

TEST(Couleur, AlwaysAnswersOneAndLeavesThePictureAlone)
{
    CCUBECtrl c;
    EXPECT_EQ(c.Couleur(0), 1); // before any paint: nothing to load at an empty size
    const QImage before = Paint(c, DefaultSize);
    for (int i : {-32768, -1, 0, 9, 26, 27, 300, 32767})
        EXPECT_EQ(c.Couleur(static_cast<int16_t>(i)), 1) << i;
    EXPECT_EQ(Paint(c, DefaultSize), before);
}

TEST(Pictures, KeptPicturesExpandToFreshOnes)
{
    std::vector<int> ids{CUBEArtwork::Base, CUBEArtwork::FromBelow, CUBEArtwork::ToolboxBitmap};
    for (int i = 0; i < 27; ++i) {
        ids.push_back(CUBEArtwork::Mask(i));
        for (int colour = 1; colour <= 5; ++colour)
            ids.push_back(CUBEArtwork::Square(colour, i));
    }
    CCUBEPictures kept;
    for (QSize size : {DefaultSize, QSize(CUBEArtwork::Width, CUBEArtwork::Height), QSize(40, 333), LargeSize,
                       DefaultSize, QSize(327, 339)}) {
        const QImage* base = kept.Load(CUBEArtwork::Base, size);
        ASSERT_NE(base, nullptr);
        ASSERT_EQ(kept.Size(), size);
        for (std::size_t n = 0; n < ids.size(); n += size == LargeSize ? 11 : 1) {
            const int id = ids[n];
            const QImage* part = kept.Load(id, size);
            ASSERT_NE(part, nullptr) << id;
            EXPECT_EQ(kept.Load(id, size), part) << "decoded again: " << id;
            QImage whole = base->copy();
            QPainter p(&whole);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(part->offset(), *part);
            p.end();
            const QImage fresh = CCUBEPictures::Fresh(id, size);
            ASSERT_EQ(fresh.format(), QImage::Format_RGB32);
            ASSERT_EQ(whole, fresh) << "picture " << id << " at " << size.width() << "x" << size.height();
        }
    }
}

TEST(Pictures, MissingPicturesAndEmptySizesLoadNothing)
{
    CCUBEPictures kept;
    for (int id : {0, 2, 200, 203, 299, 327, 399, 400 + 27, 900, -1})
        EXPECT_EQ(kept.Load(id, DefaultSize), nullptr) << id;
    EXPECT_EQ(kept.Load(CUBEArtwork::Base, QSize(0, 10)), nullptr);
    EXPECT_EQ(kept.Load(CUBEArtwork::Base, QSize(-5, -5)), nullptr);
    EXPECT_TRUE(CCUBEPictures::Fresh(CUBEArtwork::Base, QSize()).isNull());
}

} // namespace
