// The gestures' geometry without a window: the square under the pointer at any size, which way a
// drag goes, and the turn a thumb makes there.
#include "CUBEArtwork.h"
#include "Geste.h"
#include "RenduTour.h"

#include <gtest/gtest.h>

#include <random>

using notation::Turn;

namespace {

// The centre of visible square i (0..26) in a picture of w x h, in the picture's units.
geste::Point Centre(int i, double w, double h)
{
    const auto& c = CUBEArtwork::Centres[static_cast<std::size_t>(i)];
    return {(c.x + 0.5) * w / CUBEArtwork::Width, (c.y + 0.5) * h / CUBEArtwork::Height};
}

} // namespace

// Every visible square is found under its centre at sizes and shapes of every kind; the black
// around the cube is no square.
TEST(Geste, TheSquareUnderEachCentreAtAnySize)
{
    std::mt19937 rng(25);
    std::uniform_real_distribution<double> taille(40, 2000);
    for (int n = 0; n < 200; ++n) {
        const double w = n == 0 ? 217 : taille(rng), h = n == 0 ? 225 : taille(rng);
        for (int i = 0; i < 27; ++i) {
            const auto c = geste::CaseSous(w, h, Centre(i, w, h));
            ASSERT_TRUE(c) << i << " at " << w << " x " << h;
            EXPECT_EQ(c->position, i < 9 ? 0 : i < 18 ? 2 : 3);
            EXPECT_EQ(3 * c->ligne + c->colonne, i % 9);
        }
        for (const geste::Point p : {geste::Point{1, 1}, geste::Point{w - 1, h - 1}, geste::Point{w - 1, 1}, geste::Point{1, h - 1}})
            EXPECT_FALSE(geste::CaseSous(w, h, p)) << p.x << ", " << p.y << " at " << w << " x " << h;
    }
}

// A drag counts from a third of a square along one way of the face, and only when it goes clearly
// more that way than the other.
TEST(Geste, ShortOrSlantingDragsCountForNothing)
{
    const auto c = geste::CaseSous(217, 225, Centre(22, 217, 225)); // the right face, seen slanting
    ASSERT_TRUE(c);
    const geste::Point A = c->parColonne, B = c->parLigne;
    auto le = [](geste::Point v, double k, geste::Point u = {}, double l = 0) { return geste::Point{k * v.x + l * u.x, k * v.y + l * u.y}; };
    EXPECT_EQ(geste::Direction(*c, le(A, 1)), (geste::Glisse{0, 1}));
    EXPECT_EQ(geste::Direction(*c, le(B, -0.4)), (geste::Glisse{1, -1}));
    EXPECT_EQ(geste::Direction(*c, le(A, -1, B, 0.3)), (geste::Glisse{0, -1}));
    EXPECT_FALSE(geste::Direction(*c, le(A, 0.3)));
    EXPECT_FALSE(geste::Direction(*c, le(B, 0.3)));
    EXPECT_FALSE(geste::Direction(*c, le(A, 1, B, 1)));
    EXPECT_FALSE(geste::Direction(*c, le(A, 2, B, -1.5)));
}

// The thumb's turns named in the issue, and the properties every push has: the two ways are
// inverses, every square along the push turns the same layer, and the layers across it differ.
TEST(Geste, APushTurnsTheLayerSquareToIt)
{
    EXPECT_EQ(geste::Tour(2, 0, 1, {0, -1}), Turn::HGH); // the front's top row to the left: U
    EXPECT_EQ(geste::Tour(2, 1, 2, {1, -1}), Turn::VHD); // the front's right column up: R
    EXPECT_EQ(geste::Tour(3, 2, 0, {1, 1}), Turn::TDF);  // the right's column at the front down: F
    EXPECT_EQ(geste::Tour(0, 2, 0, {0, 1}), Turn::TDF);  // the top's front row to the right: F
    EXPECT_EQ(geste::Tour(2, 1, 1, {0, 1}), Turn::HMD);  // the front's middle row to the right: E
    EXPECT_FALSE(geste::Tour(6, 0, 0, {0, 1}));
    for (int p = 0; p < 6; ++p)
        for (int axe = 0; axe < 2; ++axe)
            for (int k = 0; k < 3; ++k) {
                // Along the push the square moves (axe 0: the column); across it, the layer.
                auto tour = [&](int le_long, int sens) {
                    return axe == 0 ? geste::Tour(p, k, le_long, {0, sens}) : geste::Tour(p, le_long, k, {1, sens});
                };
                const auto t = tour(0, 1);
                ASSERT_TRUE(t);
                EXPECT_LT(*t, Turn::Haut);
                EXPECT_EQ(tour(0, -1), notation::Inverse(*t));
                EXPECT_EQ(tour(1, 1), t);
                EXPECT_EQ(tour(2, 1), t);
                const animation::Mouvement m = animation::MouvementDe(*t);
                EXPECT_EQ(m.debut == 1, k == 1) << "the middle layer from the middle row or column";
                const auto voisin = axe == 0 ? geste::Tour(p, (k + 1) % 3, 0, {0, 1}) : geste::Tour(p, 0, (k + 1) % 3, {1, 1});
                EXPECT_NE(voisin, t);
                EXPECT_EQ(animation::MouvementDe(*voisin).axe, m.axe);
            }
}
