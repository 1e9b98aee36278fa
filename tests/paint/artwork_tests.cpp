// The pictures themselves: one base and square pictures consistent with it, at the reference size;
// the fitted camera; and at every size, lines of one width, no gaps and nothing cut off.
#include "paint_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace painttest;

namespace {

const QSize Drawn(CUBEArtwork::Width, CUBEArtwork::Height);
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

QImage Load(int id) { return CCUBEPictures::Fresh(id, Drawn); }

// Pixels (index y * width + x) where picture `id` differs from the base.
std::vector<int> Differences(const QImage& base, int id)
{
    const QImage img = Load(id);
    std::vector<int> d;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != base.pixel(x, y))
                d.push_back(y * img.width() + x);
    return d;
}

TEST(Artwork, BaseIsWhiteCubeOnBlack)
{
    const QImage base = Load(CUBEArtwork::Base);
    ASSERT_EQ(base.size(), Drawn);
    int white = 0;
    for (int y = 0; y < base.height(); ++y)
        for (int x = 0; x < base.width(); ++x) {
            const QRgb p = base.pixel(x, y);
            ASSERT_TRUE(p == White || p == Black) << x << "," << y;
            white += p == White;
        }
    EXPECT_EQ(base.pixel(0, 0), Black);
    EXPECT_EQ(base.pixel(Drawn.width() - 1, 0), Black);
    EXPECT_EQ(base.pixel(Drawn.width() - 1, Drawn.height() - 1), Black);
    EXPECT_GT(white, Drawn.width() * Drawn.height() / 3);
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(base.pixel(Centres[i].x, Centres[i].y), White) << i;
}

// Walking from one square's centre to a neighbour's crosses a black line.
TEST(Artwork, NeighbouringSquaresAreSeparatedByLines)
{
    const QImage base = Load(CUBEArtwork::Base);
    auto crossesLine = [&](int a, int b) {
        for (int s = 0; s <= 100; ++s) {
            const double t = s / 100.0;
            const int x = static_cast<int>(std::lround(Centres[a].x + t * (Centres[b].x - Centres[a].x)));
            const int y = static_cast<int>(std::lround(Centres[a].y + t * (Centres[b].y - Centres[a].y)));
            if (base.pixel(x, y) == Black)
                return true;
        }
        return false;
    };
    int pairs = 0;
    for (int f = 0; f < 3; ++f)
        for (int k = 0; k < 9; ++k) {
            const int i = 9 * f + k;
            if (k % 3 < 2) {
                EXPECT_TRUE(crossesLine(i, i + 1)) << i << " and " << i + 1;
                ++pairs;
            }
            if (k < 6) {
                EXPECT_TRUE(crossesLine(i, i + 3)) << i << " and " << i + 3;
                ++pairs;
            }
        }
    EXPECT_EQ(pairs, 36);
    // Across the cube's edges too: top to front, front to right, top to right.
    EXPECT_TRUE(crossesLine(7, 10));
    EXPECT_TRUE(crossesLine(11, 18));
    EXPECT_TRUE(crossesLine(8, 18));
}

// Each square picture differs from the base only on its own square, which is white in the base, holds
// exactly the colour and covers the square's centre; the squares do not overlap, and the black
// mask pictures are white exactly there.
TEST(Artwork, SquarePicturesAgreeWithTheBase)
{
    const QImage base = Load(CUBEArtwork::Base);
    std::vector<int> owner(Drawn.width() * Drawn.height(), -1);
    for (int i = 0; i < 27; ++i) {
        const std::vector<int> square = Differences(base, CUBEArtwork::Square(1, i));
        ASSERT_FALSE(square.empty()) << i;
        EXPECT_GT(square.size(), 100u) << i;
        const QPoint centre(Centres[i].x, Centres[i].y);
        EXPECT_TRUE(std::binary_search(square.begin(), square.end(), centre.y() * Drawn.width() + centre.x())) << i;
        for (int at : square) {
            ASSERT_EQ(base.pixel(at % Drawn.width(), at / Drawn.width()), White) << i;
            ASSERT_EQ(owner[at], -1) << "squares " << owner[at] << " and " << i << " overlap";
            owner[at] = i;
        }
        for (int colour = 1; colour <= 5; ++colour) {
            const int id = CUBEArtwork::Square(colour, i);
            ASSERT_EQ(Differences(base, id), square) << "picture " << id;
            const QImage img = Load(id);
            for (int at : square)
                ASSERT_EQ(img.pixel(at % Drawn.width(), at / Drawn.width()), Rgb(colour)) << "picture " << id;
        }
        const QImage mask = Load(CUBEArtwork::Mask(i));
        ASSERT_EQ(mask.size(), Drawn);
        for (int y = 0; y < Drawn.height(); ++y)
            for (int x = 0; x < Drawn.width(); ++x)
                ASSERT_EQ(mask.pixel(x, y), owner[y * Drawn.width() + x] == i ? White : Black)
                    << "mask " << i << " at " << x << "," << y;
    }
}

TEST(Artwork, ViewFromBelowAndToolboxBitmap)
{
    const QImage below = Load(CUBEArtwork::FromBelow);
    ASSERT_EQ(below.size(), Drawn);
    EXPECT_NE(below, Load(CUBEArtwork::Base));

    const QImage icon = CCUBEPictures::ToolboxBitmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_EQ(icon.colorCount(), 16);
    std::set<QRgb> used;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            used.insert(icon.pixel(x, y) | 0xff000000u);
    for (int colour : {0, 2, 3})
        EXPECT_TRUE(used.count(Rgb(colour))) << "the icon shows a solved cube: colour " << colour;
}

// The camera fitted to the centres puts each one close to where it was given, and each given centre
// lies well inside its own square, with room to spare around it.
TEST(Artwork, TheFittedCameraKeepsEveryCentreInItsSquare)
{
    const CUBEArtwork::Drawing drawing(CUBEArtwork::Stretched(CUBEArtwork::Width, CUBEArtwork::Height));
    for (int i = 0; i < 27; ++i) {
        EXPECT_LT(CUBEArtwork::FitError(i), 3.5) << i;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                EXPECT_EQ(drawing.Classify(Centres[i].x + dx, Centres[i].y + dy), i) << i << " at " << dx << "," << dy;
    }
}

// The rows of a square's pixels found by Quad::Span are exactly those whose centres it contains.
TEST(Artwork, SpansAreTheSquaresPixels)
{
    for (QSize size : {QSize(217, 225), QSize(131, 77), QSize(650, 673)}) {
        const CUBEArtwork::Drawing drawing(CUBEArtwork::Stretched(size.width(), size.height()));
        for (int i = 0; i < 27; ++i) {
            const CUBEArtwork::Quad& q = drawing.SquareShape(i);
            ASSERT_FALSE(q.empty) << i;
            for (int y = 0; y < size.height(); ++y) {
                int first, last;
                q.Span(y, size.width(), first, last);
                for (int x = 0; x < size.width(); ++x)
                    ASSERT_EQ(x >= first && x <= last, q.Contains(x + 0.5, y + 0.5)) << i << " at " << x << "," << y;
            }
        }
    }
}

// Walking in the base picture from the centre of one square to a neighbour's crosses exactly one
// black line, never a gap of black wider than a line; measured across the line, every line has the
// same width, the one the size asks for. No pixel at the picture's border belongs to the cube or its
// outline.
class LinesAtSize : public testing::TestWithParam<QSize> {};

TEST_P(LinesAtSize, OneWidthNoGapsNothingCutOff)
{
    const QSize size = GetParam();
    const QImage base = CCUBEPictures::Fresh(CUBEArtwork::Base, size);
    const CUBEArtwork::Placement placement = CUBEArtwork::Stretched(size.width(), size.height());
    auto at = [&](int i) {
        return QPointF((Centres[i].x + 0.5) * size.width() / CUBEArtwork::Width,
                       (Centres[i].y + 0.5) * size.height() / CUBEArtwork::Height);
    };
    // The line between squares a and b runs along `along`; its width is the black stretch of the walk
    // times the sine of the angle between the walk and the line.
    std::vector<double> widths;
    auto measure = [&](int a, int b, QPointF along) {
        const QPointF from = at(a), to = at(b);
        const QPointF step = to - from;
        const double length = std::hypot(step.x(), step.y());
        const int samples = static_cast<int>(length * 8);
        int runs = 0, black = 0;
        bool inBlack = false;
        for (int s = 0; s <= samples; ++s) {
            const QPointF p = from + step * (double(s) / samples);
            const bool isBlack = base.pixel(static_cast<int>(p.x()), static_cast<int>(p.y())) == Black;
            if (isBlack && !inBlack)
                ++runs;
            inBlack = isBlack;
            black += isBlack;
        }
        EXPECT_EQ(runs, 1) << "squares " << a << " and " << b << " at " << size.width() << "x" << size.height();
        const double sine = std::fabs(step.x() * along.y() - step.y() * along.x()) / length / std::hypot(along.x(), along.y());
        widths.push_back(black * length / samples * sine);
    };
    for (int f = 0; f < 3; ++f)
        for (int k = 0; k < 9; ++k) {
            const int i = 9 * f + k, row = k / 3, col = k % 3;
            // The line between two columns runs as the midpoints of their squares do, row after row;
            // the line between two rows likewise, column after column.
            auto mid = [&](int p, int q) { return (at(p) + at(q)) / 2; };
            const int down = row < 2 ? 3 : -3, across = col < 2 ? 1 : -1;
            if (col < 2)
                measure(i, i + 1, (mid(i + down, i + down + 1) - mid(i, i + 1)) * down);
            if (row < 2)
                measure(i, i + 3, (mid(i + across, i + across + 3) - mid(i, i + 3)) * across);
        }
    ASSERT_EQ(widths.size(), 36u);
    // Within a pixel and a half, the stairs of the pixels, and a little more on large pictures,
    // where the midpoints only approach each line's slant.
    const double want = 2 * placement.halfLine;
    for (const double& w : widths)
        EXPECT_NEAR(w, want, 1.5 + 0.05 * want) << "line " << (&w - widths.data());
    const auto [thinnest, widest] = std::minmax_element(widths.begin(), widths.end());
    EXPECT_LE(*widest - *thinnest, 2 + 0.1 * want);

    const CUBEArtwork::Drawing drawing(placement);
    for (int x = 0; x < size.width(); ++x)
        for (int y : {0, size.height() - 1})
            ASSERT_EQ(drawing.Classify(x, y), CUBEArtwork::Background) << x << "," << y;
    for (int y = 0; y < size.height(); ++y)
        for (int x : {0, size.width() - 1})
            ASSERT_EQ(drawing.Classify(x, y), CUBEArtwork::Background) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, LinesAtSize,
                         testing::Values(QSize(130, 134), Drawn, QSize(217, 225), QSize(300, 120), QSize(326, 338),
                                         QSize(651, 675), QSize(2083, 2160)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

} // namespace
