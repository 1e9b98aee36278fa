// The cube's pictures: where the visible squares lie, and the stored files drawn at build time by
// cube_artwork.
//
// Picture numbers: 201 the cube with every visible square white, 202 the cube seen from below,
// 300 + i a black picture with only square i white, 300 + 100 * c + i (c = 1..5) the white cube with
// square i in colour c, 1 the 48 x 48 toolbox bitmap with 16 colours.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace CUBEArtwork {

constexpr int Width = 171;
constexpr int Height = 201;

// RGB of the colours 0..5: white, orange, green, red, blue, yellow.
struct Rgb {
    uint8_t r, g, b;
};
constexpr std::array<Rgb, 6> Colours{{
    {255, 255, 255}, {235, 134, 6}, {2, 93, 26}, {192, 22, 5}, {10, 4, 156}, {223, 211, 5},
}};

// Centres of the 27 visible squares in a Width x Height picture (x right, y down): 0..8 the top
// face, 9..17 the front, 18..26 the right, each in its face's square order.
struct Point {
    int x, y;
};
constexpr std::array<Point, 27> Centres{{
    {77, 20}, {110, 25}, {145, 29}, {57, 31}, {92, 38}, {129, 45}, {32, 49}, {69, 57}, {106, 65},
    {19, 78}, {56, 86}, {95, 94}, {19, 114}, {56, 122}, {95, 131}, {20, 150}, {57, 159}, {95, 170},
    {126, 88}, {145, 68}, {162, 51}, {126, 124}, {145, 104}, {162, 85}, {126, 162}, {146, 139}, {162, 120},
}};

constexpr int Base = 201;
constexpr int FromBelow = 202;
constexpr int ToolboxBitmap = 1;
// Picture of visible square i (0..26) in colour c (1..5).
constexpr int Square(int c, int i) { return 300 + 100 * c + i; }
// Black picture with only square i white.
constexpr int Mask(int i) { return 300 + i; }

struct File {
    const unsigned char* data;
    std::size_t size;
};
// The stored file of picture `id` (PNG, or BMP for the toolbox bitmap); {nullptr, 0} for none.
File PictureFile(int id);

} // namespace CUBEArtwork
