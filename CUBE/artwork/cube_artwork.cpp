// cube_artwork OUTDIR: draws the cube's pictures and writes them as C++ data (OUTDIR/cube_pictures_data.cpp),
// plus a copy of each picture in OUTDIR/files/ to look at.
//
// One perspective camera is fitted (least squares) to the 27 square centres of the picture, so the
// three faces share their edges exactly and every centre falls inside its own square. Each pixel is
// then classified by its centre: which square it belongs to, or a grid line, or the background. No
// antialiasing: the control combines the pictures with AND, which needs every pixel either the
// square's colour, pure white or black.
#include "CUBEArtwork.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace CUBEArtwork;

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
    return At(Faces[i / 9], k % 3 + 0.5, k / 3 + 0.5);
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
            std::fprintf(stderr, "cube_artwork: the square centres do not fix a camera\n");
            std::exit(1);
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

// A 3 x 4 projection, with p[11] = 1.
struct Camera {
    std::array<double, 12> p{};

    void Project(const V3& w, double& u, double& v) const
    {
        const double d = p[8] * w.x + p[9] * w.y + p[10] * w.z + p[11];
        u = (p[0] * w.x + p[1] * w.y + p[2] * w.z + p[3]) / d;
        v = (p[4] * w.x + p[5] * w.y + p[6] * w.z + p[7]) / d;
    }
};

double Reprojection(const Camera& cam, int i)
{
    double u, v;
    cam.Project(SquareCentre(i), u, v);
    return std::hypot(u - Centres[i].x, v - Centres[i].y);
}

// Linear least squares for the 11 unknowns, then a few Gauss-Newton steps on the distances in pixels.
Camera FitCamera()
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
    for (int step = 0; step < 20; ++step) {
        std::vector<double> jtj(11 * 11, 0.0), jtr(11, 0.0);
        for (int i = 0; i < 27; ++i) {
            double u0, v0;
            cam.Project(SquareCentre(i), u0, v0);
            std::array<double, 11> du{}, dv{};
            for (int k = 0; k < 11; ++k) {
                Camera c = cam;
                const double h = 1e-7 * std::max(1.0, std::fabs(c.p[k]));
                c.p[k] += h;
                double u1, v1;
                c.Project(SquareCentre(i), u1, v1);
                du[k] = (u1 - u0) / h;
                dv[k] = (v1 - v0) / h;
            }
            for (int r = 0; r < 11; ++r) {
                for (int c = 0; c < 11; ++c)
                    jtj[r * 11 + c] += du[r] * du[c] + dv[r] * dv[c];
                jtr[r] += du[r] * (Centres[i].x - u0) + dv[r] * (Centres[i].y - v0);
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

// The plane of one face seen through the camera: a homography and its inverse.
struct FaceView {
    std::array<double, 9> h{}, inv{};

    // Face coordinates (a, b) of the picture point (x, y); false behind the camera.
    bool ToFace(double x, double y, double& a, double& b) const
    {
        const double w = inv[6] * x + inv[7] * y + inv[8];
        if (std::fabs(w) < 1e-12)
            return false;
        a = (inv[0] * x + inv[1] * y + inv[2]) / w;
        b = (inv[3] * x + inv[4] * y + inv[5]) / w;
        return true;
    }
};

FaceView ViewOf(const Camera& cam, const Face& f)
{
    FaceView v;
    for (int r = 0; r < 3; ++r) {
        const double* row = &cam.p[r * 4];
        v.h[r * 3 + 0] = row[0] * f.alongA.x + row[1] * f.alongA.y + row[2] * f.alongA.z;
        v.h[r * 3 + 1] = row[0] * f.alongB.x + row[1] * f.alongB.y + row[2] * f.alongB.z;
        v.h[r * 3 + 2] = row[0] * f.origin.x + row[1] * f.origin.y + row[2] * f.origin.z + row[3];
    }
    const auto& m = v.h;
    const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6])
                       + m[2] * (m[3] * m[7] - m[4] * m[6]);
    v.inv = {(m[4] * m[8] - m[5] * m[7]) / det, (m[2] * m[7] - m[1] * m[8]) / det, (m[1] * m[5] - m[2] * m[4]) / det,
             (m[5] * m[6] - m[3] * m[8]) / det, (m[0] * m[8] - m[2] * m[6]) / det, (m[2] * m[3] - m[0] * m[5]) / det,
             (m[3] * m[7] - m[4] * m[6]) / det, (m[1] * m[6] - m[0] * m[7]) / det, (m[0] * m[4] - m[1] * m[3]) / det};
    return v;
}

constexpr int Background = -1; // around the cube
constexpr int Line = -2;        // a grid line or edge

class Drawing {
public:
    explicit Drawing(const Camera& cam)
    {
        for (int f = 0; f < 3; ++f)
            m_Views[f] = ViewOf(cam, Faces[f]);
    }

    // What lies at the picture point (x, y) (pixel centres at whole numbers): a square 0..26, a line
    // `halfWidth` picture pixels either side of every grid line and edge, or the background.
    int Classify(double x, double y, double halfWidth) const
    {
        for (int f = 0; f < 3; ++f) {
            double a, b;
            if (!m_Views[f].ToFace(x, y, a, b) || a < 0 || a > 3 || b < 0 || b > 3)
                continue;
            // Distance to the nearest line in picture pixels, through the local scale of the face.
            constexpr double h = 0.5;
            double a1 = 0, b1 = 0, a2 = 0, b2 = 0, a3 = 0, b3 = 0, a4 = 0, b4 = 0;
            m_Views[f].ToFace(x + h, y, a1, b1);
            m_Views[f].ToFace(x - h, y, a2, b2);
            m_Views[f].ToFace(x, y + h, a3, b3);
            m_Views[f].ToFace(x, y - h, a4, b4);
            const double gradA = std::hypot(a1 - a2, a3 - a4) / (2 * h);
            const double gradB = std::hypot(b1 - b2, b3 - b4) / (2 * h);
            const double toA = std::fabs(a - std::round(a)) / gradA;
            const double toB = std::fabs(b - std::round(b)) / gradB;
            if (toA < halfWidth || toB < halfWidth)
                return Line;
            const int col = std::min(2, static_cast<int>(a));
            const int row = std::min(2, static_cast<int>(b));
            return 9 * f + 3 * row + col;
        }
        return Background;
    }

private:
    std::array<FaceView, 3> m_Views;
};

constexpr double LineHalfWidth = 1.5;

QImage Picture(const std::vector<int>& squares, const std::array<QRgb, 29>& paint)
{
    QImage img(Width, Height, QImage::Format_RGB888);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            img.setPixel(x, y, paint[squares[y * Width + x] + 2]);
    return img;
}

QByteArray Png(const QImage& img)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "PNG")) {
        std::fprintf(stderr, "cube_artwork: cannot encode a PNG\n");
        std::exit(1);
    }
    return bytes;
}

void Put16(QByteArray& b, unsigned v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void Put32(QByteArray& b, unsigned v)
{
    Put16(b, v & 0xffff);
    Put16(b, v >> 16);
}

// The toolbox bitmap: a solved cube (white top, green front, red right) on the toolbox's grey, as a
// 48 x 48 BMP with 4 bits per pixel.
QByteArray ToolboxBmp(const Drawing& drawing)
{
    constexpr int n = 48;
    // The cube's colours first, then grey and black; the rest of the usual 16-colour palette fills up.
    const std::array<QRgb, 16> palette{
        qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(2, 93, 26),     qRgb(192, 22, 5),
        qRgb(192, 192, 192), qRgb(235, 134, 6),   qRgb(10, 4, 156),    qRgb(223, 211, 5),
        qRgb(128, 128, 128), qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(0, 255, 255),
    };
    constexpr int black = 0, white = 1, green = 2, red = 3, grey = 4;
    const double s = (n - 4.0) / Height;
    const double ox = (n - Width * s) / 2, oy = 2;
    std::array<std::array<int, n>, n> index{};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int what = drawing.Classify((x + 0.5 - ox) / s - 0.5, (y + 0.5 - oy) / s - 0.5, 0.5 / s);
            index[y][x] = what == Background ? grey : what == Line ? black : what < 9 ? white : what < 18 ? green : red;
        }
    constexpr int rowBytes = n / 2; // already a multiple of 4
    constexpr int header = 14 + 40 + 16 * 4;
    QByteArray b;
    b.append("BM");
    Put32(b, header + rowBytes * n);
    Put32(b, 0);
    Put32(b, header);
    Put32(b, 40);
    Put32(b, n);
    Put32(b, n);
    Put16(b, 1);
    Put16(b, 4);
    Put32(b, 0); // no compression
    Put32(b, rowBytes * n);
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, 16);
    Put32(b, 16);
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = n - 1; y >= 0; --y) // bottom-up
        for (int x = 0; x < n; x += 2)
            b.append(char((index[y][x] << 4) | index[y][x + 1]));
    return b;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cube_artwork OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out + "/files");

    const Camera cam = FitCamera();
    const Drawing drawing(cam);

    // Every given centre must land well inside its own square, or the drawing does not fit the table.
    double worst = 0;
    for (int i = 0; i < 27; ++i) {
        worst = std::max(worst, Reprojection(cam, i));
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (drawing.Classify(Centres[i].x + dx, Centres[i].y + dy, LineHalfWidth) != i) {
                    std::fprintf(stderr, "cube_artwork: square %d does not cover its centre\n", i);
                    return 1;
                }
    }
    std::printf("cube_artwork: camera fitted, largest distance to a given centre %.2f px\n", worst);

    std::vector<int> squares(Width * Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            squares[y * Width + x] = drawing.Classify(x, y, LineHalfWidth);

    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    std::vector<std::pair<int, QByteArray>> files;
    // paint[what + 2]: line, background, then the 27 squares.
    std::array<QRgb, 29> paint;
    paint.fill(white);
    paint[0] = paint[1] = black;
    const QImage base = Picture(squares, paint);
    files.emplace_back(Base, Png(base));
    files.emplace_back(FromBelow, Png(base.mirrored(false, true)));
    for (int i = 0; i < 27; ++i) {
        std::array<QRgb, 29> mask;
        mask.fill(black);
        mask[i + 2] = white;
        files.emplace_back(Mask(i), Png(Picture(squares, mask)));
    }
    for (int c = 1; c <= 5; ++c)
        for (int i = 0; i < 27; ++i) {
            std::array<QRgb, 29> one = paint;
            one[i + 2] = qRgb(Colours[c].r, Colours[c].g, Colours[c].b);
            files.emplace_back(Square(c, i), Png(Picture(squares, one)));
        }
    files.emplace_back(ToolboxBitmap, ToolboxBmp(drawing));
    std::sort(files.begin(), files.end(), [](const auto& l, const auto& r) { return l.first < r.first; });

    std::string src = "// Drawn by cube_artwork; do not edit.\n#include \"CUBEArtwork.h\"\n\n#include <algorithm>\n\n"
                      "namespace {\n";
    for (const auto& [id, bytes] : files) {
        const QString name = out + "/files/" + QString::number(id) + (id == ToolboxBitmap ? ".bmp" : ".png");
        if (!WriteFile(name, bytes)) {
            std::fprintf(stderr, "cube_artwork: cannot write %s\n", qPrintable(name));
            return 1;
        }
        src += "const unsigned char p" + std::to_string(id) + "[] = {";
        for (int k = 0; k < bytes.size(); ++k) {
            if (k % 24 == 0)
                src += "\n";
            src += std::to_string(static_cast<unsigned char>(bytes[k])) + ",";
        }
        src += "\n};\n";
    }
    src += "struct Entry {\n    int id;\n    const unsigned char* data;\n    std::size_t size;\n};\n"
           "constexpr Entry Entries[] = {\n";
    for (const auto& [id, bytes] : files)
        src += "    {" + std::to_string(id) + ", p" + std::to_string(id) + ", sizeof p" + std::to_string(id) + "},\n";
    src += "};\n} // namespace\n\n"
           "CUBEArtwork::File CUBEArtwork::PictureFile(int id)\n{\n"
           "    const auto* e = std::lower_bound(std::begin(Entries), std::end(Entries), id,\n"
           "                                     [](const Entry& l, int r) { return l.id < r; });\n"
           "    if (e == std::end(Entries) || e->id != id)\n        return {nullptr, 0};\n"
           "    return {e->data, e->size};\n}\n";
    const QString cpp = out + "/cube_pictures_data.cpp";
    if (!WriteFile(cpp + ".tmp", QByteArray::fromStdString(src)) || (QFile::exists(cpp) && !QFile::remove(cpp))
        || !QFile::rename(cpp + ".tmp", cpp)) {
        std::fprintf(stderr, "cube_artwork: cannot write %s\n", qPrintable(cpp));
        return 1;
    }
    return 0;
}
