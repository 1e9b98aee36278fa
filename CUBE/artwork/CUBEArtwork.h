// The cube's drawing: where the visible squares lie, their colours, and the squares' shapes at any
// size, worked out from one perspective camera fitted to the square centres. No Qt here: the
// pictures themselves are made from this by CCUBEPictures.
//
// Picture numbers: 201 the cube with every visible square white, 202 the cube seen from below,
// 300 + i a black picture with only square i white, 300 + 100 * c + i (c = 1..5) the white cube with
// square i in colour c, 1 the 48 x 48 toolbox bitmap with 16 colours.
#pragma once

#include <array>
#include <cstdint>

namespace CUBEArtwork {

// The reference layout: the drawing as it was first drawn, 171 x 201 pixels. Every other size is
// this layout stretched, so the square centres scale with the size.
constexpr int Width = 171;
constexpr int Height = 201;

// RGB of the colours 0..5: white, orange, green, red, blue, yellow.
struct Rgb {
    uint8_t r, g, b;
};
constexpr std::array<Rgb, 6> Colours{{
    {255, 255, 255}, {235, 134, 6}, {2, 93, 26}, {192, 22, 5}, {10, 4, 156}, {223, 211, 5},
}};

// Centres of the 27 visible squares in the reference layout (x right, y down, pixel centres at whole
// numbers): 0..8 the top face, 9..17 the front, 18..26 the right, each in its face's square order.
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

// Half the width of the grid lines in the reference layout, in its pixels.
constexpr double LineHalfWidth = 1.5;

// How the reference layout lands on a picture: a reference point (u, v) (pixel centres at whole
// numbers) lies at (sx * (u + 0.5) + ox, sy * (v + 0.5) + oy) in the picture, where pixel (x, y)
// covers [x, x + 1) x [y, y + 1). Lines are `halfLine` picture pixels either side of every grid line
// and edge, measured across the line, so they have one width whatever their slant.
struct Placement {
    double sx = 1, sy = 1, ox = 0, oy = 0, halfLine = LineHalfWidth;
};
// The reference layout stretched to a picture of width x height pixels.
Placement Stretched(int width, int height);

// Side of a convex region: the points where nx * x + ny * y + d >= 0.
struct HalfPlane {
    double nx = 0, ny = 0, d = 0;
    bool Holds(double x, double y) const { return nx * x + ny * y + d >= 0; }
};

// A convex region bounded by four straight sides, with its bounding box; empty when nothing is left
// of it (a square narrower than its lines).
struct Quad {
    std::array<HalfPlane, 4> sides{};
    double left = 0, top = 0, right = -1, bottom = -1;
    bool empty = true;

    bool Contains(double x, double y) const
    {
        return !empty && x >= left && x <= right && y >= top && y <= bottom && sides[0].Holds(x, y)
               && sides[1].Holds(x, y) && sides[2].Holds(x, y) && sides[3].Holds(x, y);
    }
    // The pixels of row y whose centres lie inside, as [first, last] within [0, width); first > last
    // when none do. The same pixels as Contains at each centre, found without testing every one.
    void Span(int y, int width, int& first, int& last) const;
};

constexpr int Background = -1; // around the cube
constexpr int Line = -2;        // a grid line or an edge

// The cube at one placement: the 27 squares inside their lines, and the three faces' outlines.
class Drawing {
public:
    explicit Drawing(const Placement& p);

    const Quad& SquareShape(int i) const { return m_Squares[static_cast<std::size_t>(i)]; }
    // What the pixel (x, y) shows, judged at its centre: a square 0..26, a line or the background.
    int Classify(int x, int y) const;

private:
    std::array<Quad, 27> m_Squares;
    std::array<Quad, 3> m_Faces;
};

// The fitted camera for drawings of our own at one placement: where the point (x, y, z) of the cube
// [0,3]^3 (x left to right, y bottom to top, z back to front) lands in the picture, computed exactly
// as the squares' corners are, so a drawing made from it meets the squares pixel for pixel.
struct PointF {
    double x, y;
};
PointF Project(const Placement& p, double x, double y, double z);
// Where the camera stands, in the cube's coordinates.
void CameraCentre(double& x, double& y, double& z);
// The convex quad with corners c[0..3] in order round it, each side moved inwards by `inset`: the
// shape a square is given from its four projected corners.
Quad Inset(const std::array<PointF, 4>& c, double inset);

// Distance in reference pixels from the given centre of square i to where the fitted camera puts it.
double FitError(int i);

} // namespace CUBEArtwork
