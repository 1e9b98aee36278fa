// One perspective camera is fitted (least squares) to the 27 square centres of the reference layout,
// so the three faces share their edges exactly and every centre falls inside its own square. A square
// at any size is then the cell between four projected grid lines, moved inwards by half a line's
// width: a convex quad, whose pixels are found row by row.
#include "CUBEArtwork.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace CUBEArtwork {
namespace {

struct V3 {
    double x, y, z;
};

// The cube is [0,3]^3: x from left to right, y from bottom to top, z from back to front. A face is
// spanned by (a, b) in [0,3]^2, a growing with the square's column and b with its row.
struct Face {
    V3 origin, alongA, alongB;
};
constexpr std::array<Face, 3> Faces{{
    {{0, 3, 0}, {1, 0, 0}, {0, 0, 1}},  // top: columns left to right, rows back to front
    {{0, 3, 3}, {1, 0, 0}, {0, -1, 0}}, // front: columns left to right, rows top to bottom
    {{3, 3, 3}, {0, 0, -1}, {0, -1, 0}}, // right: columns front to back, rows top to bottom
}};

V3 At(const Face& f, double a, double b)
{
    return {f.origin.x + a * f.alongA.x + b * f.alongB.x, f.origin.y + a * f.alongA.y + b * f.alongB.y,
            f.origin.z + a * f.alongA.z + b * f.alongB.z};
}

V3 SquareCentre(int i)
{
    const int k = i % 9;
    return At(Faces[static_cast<std::size_t>(i / 9)], k % 3 + 0.5, k / 3 + 0.5);
}

// Solves A x = y (n x n, row-major) by Gaussian elimination with partial pivoting.
std::vector<double> Solve(std::vector<double> a, std::vector<double> y)
{
    const std::size_t n = y.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r * n + c]) > std::fabs(a[p * n + c]))
                p = r;
        if (std::fabs(a[p * n + c]) < 1e-12) {
            // The centres are constants of this file: only an edit of them can get here.
            std::fprintf(stderr, "CUBEArtwork: the square centres do not fix a camera\n");
            std::abort();
        }
        for (std::size_t k = 0; k < n; ++k)
            std::swap(a[c * n + k], a[p * n + k]);
        std::swap(y[c], y[p]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r * n + c] / a[c * n + c];
            for (std::size_t k = c; k < n; ++k)
                a[r * n + k] -= f * a[c * n + k];
            y[r] -= f * y[c];
        }
    }
    std::vector<double> x(n);
    for (std::size_t c = n; c-- > 0;) {
        double s = y[c];
        for (std::size_t k = c + 1; k < n; ++k)
            s -= a[c * n + k] * x[k];
        x[c] = s / a[c * n + c];
    }
    return x;
}

// A 3 x 4 projection onto the reference layout, with p[11] = 1.
struct Camera {
    std::array<double, 12> p{};

    void Project(const V3& w, double& u, double& v) const
    {
        const double d = p[8] * w.x + p[9] * w.y + p[10] * w.z + p[11];
        u = (p[0] * w.x + p[1] * w.y + p[2] * w.z + p[3]) / d;
        v = (p[4] * w.x + p[5] * w.y + p[6] * w.z + p[7]) / d;
    }
};

// Linear least squares for the 11 unknowns, then a few Gauss-Newton steps on the distances in pixels.
Camera Fit()
{
    Camera cam;
    {
        std::vector<double> ata(11 * 11, 0.0), aty(11, 0.0);
        auto add = [&](const std::array<double, 11>& row, double rhs) {
            for (int r = 0; r < 11; ++r) {
                for (int c = 0; c < 11; ++c)
                    ata[r * 11 + c] += row[r] * row[c];
                aty[r] += row[r] * rhs;
            }
        };
        for (int i = 0; i < 27; ++i) {
            const V3 w = SquareCentre(i);
            const double u = Centres[i].x, v = Centres[i].y;
            add({w.x, w.y, w.z, 1, 0, 0, 0, 0, -u * w.x, -u * w.y, -u * w.z}, u);
            add({0, 0, 0, 0, w.x, w.y, w.z, 1, -v * w.x, -v * w.y, -v * w.z}, v);
        }
        const std::vector<double> x = Solve(ata, aty);
        for (int k = 0; k < 11; ++k)
            cam.p[k] = x[k];
        cam.p[11] = 1;
    }
    // The cube's corners, which must stay a line's half width inside the layout's borders (pixel
    // centres at whole numbers: the layout spans -0.5 to Width - 0.5).
    std::vector<V3> corners;
    for (const Face& f : Faces)
        for (double a : {0.0, 3.0})
            for (double b : {0.0, 3.0})
                corners.push_back(At(f, a, b));
    const double m = LineHalfWidth - 0.5;
    const double bounds[2][2] = {{m, Width - 1 - m}, {m, Height - 1 - m}};
    for (int step = 0; step < 30; ++step) {
        std::vector<double> jtj(11 * 11, 0.0), jtr(11, 0.0);
        // One residual: `got` should be `want`, with derivatives `d` and a weight.
        auto add = [&](const std::array<double, 11>& d, double want, double got, double weight) {
            for (int r = 0; r < 11; ++r) {
                for (int c = 0; c < 11; ++c)
                    jtj[r * 11 + c] += weight * d[r] * d[c];
                jtr[r] += weight * d[r] * (want - got);
            }
        };
        auto derivatives = [&](const V3& w, double& u0, double& v0, std::array<double, 11>& du, std::array<double, 11>& dv) {
            cam.Project(w, u0, v0);
            for (int k = 0; k < 11; ++k) {
                Camera c = cam;
                const double h = 1e-7 * std::max(1.0, std::fabs(c.p[k]));
                c.p[k] += h;
                double u1, v1;
                c.Project(w, u1, v1);
                du[k] = (u1 - u0) / h;
                dv[k] = (v1 - v0) / h;
            }
        };
        for (int i = 0; i < 27; ++i) {
            double u0, v0;
            std::array<double, 11> du{}, dv{};
            derivatives(SquareCentre(i), u0, v0, du, dv);
            add(du, Centres[i].x, u0, 1);
            add(dv, Centres[i].y, v0, 1);
        }
        // A corner past a border pulls hard towards it; one inside does not pull at all.
        for (const V3& w : corners) {
            double u0, v0;
            std::array<double, 11> du{}, dv{};
            derivatives(w, u0, v0, du, dv);
            const double got[2] = {u0, v0};
            for (int axis = 0; axis < 2; ++axis) {
                const double want = std::clamp(got[axis], bounds[axis][0], bounds[axis][1]);
                if (want != got[axis])
                    add(axis == 0 ? du : dv, want, got[axis], 1e4);
            }
        }
        for (int k = 0; k < 11; ++k)
            jtj[k * 11 + k] *= 1.0 + 1e-9;
        const std::vector<double> d = Solve(jtj, jtr);
        for (int k = 0; k < 11; ++k)
            cam.p[k] += d[k];
    }
    return cam;
}

// What the fit may still leave past a border, taken back by shrinking the picture evenly, so no size
// ever cuts anything off.
Camera Framed(Camera cam)
{
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const Face& f : Faces)
        for (double a : {0.0, 3.0})
            for (double b : {0.0, 3.0}) {
                double u, v;
                cam.Project(At(f, a, b), u, v);
                left = std::min(left, u);
                right = std::max(right, u);
                top = std::min(top, v);
                bottom = std::max(bottom, v);
            }
    // Pixel centres at whole numbers: the layout spans -0.5 to Width - 0.5.
    const double m = LineHalfWidth - 0.5;
    const double k = std::min({1.0, (Width - 1 - 2 * m) / (right - left), (Height - 1 - 2 * m) / (bottom - top)});
    const double tu = (Width - 1) / 2.0 - k * (left + right) / 2;
    const double midV = std::clamp((top + bottom) / 2, m + k * (bottom - top) / 2, Height - 1 - m - k * (bottom - top) / 2);
    const double tv = midV - k * (top + bottom) / 2;
    // u' = k u + tu is the projection with its first row k * row 0 + tu * row 2; the same for v.
    for (int c = 0; c < 4; ++c) {
        cam.p[c] = k * cam.p[c] + tu * cam.p[8 + c];
        cam.p[4 + c] = k * cam.p[4 + c] + tv * cam.p[8 + c];
    }
    return cam;
}

// The camera depends on nothing but the centres: fitted once.
const Camera& Fitted()
{
    static const Camera cam = Framed(Fit());
    return cam;
}

using P2 = PointF;

} // namespace

Quad Inset(const std::array<P2, 4>& c, double inset)
{
    Quad q;
    const P2 mid{(c[0].x + c[1].x + c[2].x + c[3].x) / 4, (c[0].y + c[1].y + c[2].y + c[3].y) / 4};
    for (std::size_t k = 0; k < 4; ++k) {
        const P2 a = c[k], b = c[(k + 1) % 4];
        double nx = a.y - b.y, ny = b.x - a.x;
        const double len = std::hypot(nx, ny);
        if (len < 1e-12)
            return q;
        nx /= len;
        ny /= len;
        if (nx * (mid.x - a.x) + ny * (mid.y - a.y) < 0) {
            nx = -nx;
            ny = -ny;
        }
        q.sides[k] = {nx, ny, -(nx * a.x + ny * a.y) - inset};
    }
    // Corners of what is left: neighbouring sides met again. Each must lie inside the other two
    // sides, or the lines have eaten the whole square.
    std::array<P2, 4> v{};
    for (std::size_t k = 0; k < 4; ++k) {
        const HalfPlane& s = q.sides[(k + 3) % 4];
        const HalfPlane& t = q.sides[k];
        const double det = s.nx * t.ny - s.ny * t.nx;
        if (std::fabs(det) < 1e-12)
            return q;
        v[k] = {(-s.d * t.ny + t.d * s.ny) / det, (-t.d * s.nx + s.d * t.nx) / det};
    }
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t o = 0; o < 4; ++o) {
            const HalfPlane& s = q.sides[o];
            if (s.nx * v[k].x + s.ny * v[k].y + s.d < -1e-9)
                return q;
        }
    q.left = std::min({v[0].x, v[1].x, v[2].x, v[3].x});
    q.right = std::max({v[0].x, v[1].x, v[2].x, v[3].x});
    q.top = std::min({v[0].y, v[1].y, v[2].y, v[3].y});
    q.bottom = std::max({v[0].y, v[1].y, v[2].y, v[3].y});
    q.empty = q.right <= q.left || q.bottom <= q.top;
    return q;
}

PointF Project(const Placement& pl, double x, double y, double z)
{
    double u, v;
    Fitted().Project({x, y, z}, u, v);
    return P2{pl.sx * (u + 0.5) + pl.ox, pl.sy * (v + 0.5) + pl.oy};
}

void CameraCentre(double& x, double& y, double& z)
{
    // The point the projection sends nowhere: M c = -p4, with M the left 3 x 3 of the camera.
    const auto& p = Fitted().p;
    const std::vector<double> c = Solve({p[0], p[1], p[2], p[4], p[5], p[6], p[8], p[9], p[10]}, {-p[3], -p[7], -p[11]});
    x = c[0];
    y = c[1];
    z = c[2];
}

Placement Stretched(int width, int height)
{
    Placement p;
    p.sx = double(width) / Width;
    p.sy = double(height) / Height;
    // One width for every line, from the narrower of the two stretches, and never so thin that a
    // slanted line breaks up into dots.
    p.halfLine = std::max(0.75, LineHalfWidth * std::min(p.sx, p.sy));
    return p;
}

void Quad::Span(int y, int width, int& first, int& last) const
{
    first = 0;
    last = -1;
    const double py = y + 0.5;
    if (empty || width <= 0 || py < top || py > bottom)
        return;
    double lo = left, hi = right;
    for (const HalfPlane& s : sides) {
        const double rest = s.ny * py + s.d;
        if (std::fabs(s.nx) < 1e-12) {
            if (rest < 0)
                return;
            continue;
        }
        const double x = -rest / s.nx;
        if (s.nx > 0)
            lo = std::max(lo, x);
        else
            hi = std::min(hi, x);
    }
    if (hi < lo - 2)
        return;
    // Pixel centres sit at x + 0.5. Widened by a pixel on each side and then narrowed by testing the
    // very centres, so rounding in the bounds above can never add or drop a pixel.
    first = std::max(0, static_cast<int>(std::floor(lo - 0.5)) - 1);
    last = std::min(width - 1, static_cast<int>(std::ceil(hi - 0.5)) + 1);
    while (first <= last && !Contains(first + 0.5, py))
        ++first;
    while (last >= first && !Contains(last + 0.5, py))
        --last;
}

Drawing::Drawing(const Placement& pl)
{
    auto project = [&](const Face& f, double a, double b) {
        const V3 w = At(f, a, b);
        return Project(pl, w.x, w.y, w.z);
    };
    for (std::size_t f = 0; f < 3; ++f) {
        const Face& face = Faces[f];
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                m_Squares[9 * f + 3 * static_cast<std::size_t>(row) + static_cast<std::size_t>(col)] =
                    Inset({project(face, col, row), project(face, col + 1, row), project(face, col + 1, row + 1),
                           project(face, col, row + 1)},
                          pl.halfLine);
        m_Faces[f] = Inset({project(face, 0, 0), project(face, 3, 0), project(face, 3, 3), project(face, 0, 3)}, 0);
    }
}

int Drawing::Classify(int x, int y) const
{
    // Every square lies inside its face, at least half a pixel from its edges: only the squares of
    // the face that holds the point need asking.
    const double px = x + 0.5, py = y + 0.5;
    for (std::size_t f = 0; f < 3; ++f) {
        if (!m_Faces[f].Contains(px, py))
            continue;
        for (std::size_t i = 9 * f; i < 9 * f + 9; ++i)
            if (m_Squares[i].Contains(px, py))
                return static_cast<int>(i);
        return Line;
    }
    return Background;
}

double FitError(int i)
{
    double u, v;
    Fitted().Project(SquareCentre(i), u, v);
    return std::hypot(u - Centres[static_cast<std::size_t>(i)].x, v - Centres[static_cast<std::size_t>(i)].y);
}

} // namespace CUBEArtwork
