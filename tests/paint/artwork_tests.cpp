// The pictures themselves, at their drawn size: one base and square pictures consistent with it.
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

} // namespace
