// The cube is cut into blocks along the turn's axis: the turning layer and what stays (none, one or
// two blocks). Blocks never reach across the planes that cut them, so drawing them from the one
// farthest from the camera to the nearest hides what each hides; inside a block, a box, the faces
// turned to the camera never overlap. Each face is drawn black, then its squares with the shapes the
// control's picture gives them, so at rest the frame is that picture.
#include "RenduTour.h"

#include "CUBEArtwork.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace animation {
namespace {

using CUBEArtwork::PointF;
using CUBEArtwork::Quad;

struct V3 {
    double v[3];
    double operator[](int i) const { return v[i]; }
};

// Each position's face in the cube [0,3]^3: its corner of square 0, the way its columns and its
// rows grow, and its outward normal. Top, front and right are the artwork's own.
struct Cote {
    int origine[3], colonnes[3], lignes[3], normale[3];
};
constexpr Cote Cotes[6] = {
    {{0, 3, 0}, {1, 0, 0}, {0, 0, 1}, {0, 1, 0}},   // top: rows from back to front
    {{0, 3, 0}, {0, 0, 1}, {0, -1, 0}, {-1, 0, 0}}, // left: columns from back to front
    {{0, 3, 3}, {1, 0, 0}, {0, -1, 0}, {0, 0, 1}},  // front
    {{3, 3, 3}, {0, 0, -1}, {0, -1, 0}, {1, 0, 0}}, // right: columns from front to back
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}},  // back, stored turned by a half turn: rows from the bottom
    {{0, 0, 3}, {1, 0, 0}, {0, 0, -1}, {0, -1, 0}}, // bottom: rows from front to back
};

V3 Coin(const Cote& c, int a, int b)
{
    V3 p{};
    for (int k = 0; k < 3; ++k)
        p.v[k] = c.origine[k] + a * c.colonnes[k] + b * c.lignes[k];
    return p;
}

// A rotation about the axis through the cube's centre. Exact quarter turns stay exact, so a frame
// at rest sees the very corners the control's picture is made from.
struct Rotation {
    int axe = 0;
    double c = 1, s = 0;
    bool identite = true;

    V3 Point(const V3& p) const
    {
        if (identite)
            return p;
        V3 q = p;
        const int i = (axe + 1) % 3, j = (axe + 2) % 3;
        const double a = p[i] - 1.5, b = p[j] - 1.5;
        q.v[i] = c * a - s * b + 1.5;
        q.v[j] = s * a + c * b + 1.5;
        return q;
    }
    V3 Vecteur(const V3& p) const
    {
        if (identite)
            return p;
        V3 q = p;
        const int i = (axe + 1) % 3, j = (axe + 2) % 3;
        q.v[i] = c * p[i] - s * p[j];
        q.v[j] = s * p[i] + c * p[j];
        return q;
    }
};

Rotation Angle(int axe, double quarts)
{
    Rotation r;
    r.axe = axe;
    const double arrondi = std::round(quarts);
    if (quarts == arrondi) {
        const int n = ((static_cast<int>(arrondi) % 4) + 4) % 4;
        r.identite = n == 0;
        r.c = n == 0 ? 1 : n == 2 ? -1 : 0;
        r.s = n == 1 ? 1 : n == 3 ? -1 : 0;
        return r;
    }
    r.identite = false;
    r.c = std::cos(quarts * std::numbers::pi / 2);
    r.s = std::sin(quarts * std::numbers::pi / 2);
    return r;
}

QRgb Teinte(int16_t c)
{
    if (c < 0 || c > 5) // as the control: no picture for it, the square stays white
        return qRgb(255, 255, 255);
    const auto& rgb = CUBEArtwork::Colours[static_cast<std::size_t>(c)];
    return qRgb(rgb.r, rgb.g, rgb.b);
}

// Fills the pixels whose centres lie in `q`, found row by row as the control's pictures find them.
void Remplir(QImage& image, const Quad& q, QRgb couleur)
{
    if (q.empty)
        return;
    const int w = image.width(), h = image.height();
    const int y0 = std::max(0, static_cast<int>(q.top) - 1), y1 = std::min(h - 1, static_cast<int>(q.bottom) + 1);
    for (int y = y0; y <= y1; ++y) {
        int first, last;
        q.Span(y, w, first, last);
        if (first > last)
            continue;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + first, row + last + 1, couleur);
    }
}

} // namespace

Mouvement MouvementDe(notation::Turn t)
{
    using T = notation::Turn;
    switch (t) {
    case T::HHD: return {1, 2, 3, 1};
    case T::HGH: return {1, 2, 3, -1};
    case T::HMD: return {1, 1, 2, 1};
    case T::HGM: return {1, 1, 2, -1};
    case T::HBD: return {1, 0, 1, 1};
    case T::HGB: return {1, 0, 1, -1};
    case T::VHG: return {0, 0, 1, -1};
    case T::VBG: return {0, 0, 1, 1};
    case T::VHM: return {0, 1, 2, -1};
    case T::VBM: return {0, 1, 2, 1};
    case T::VHD: return {0, 2, 3, -1};
    case T::VBD: return {0, 2, 3, 1};
    case T::TDF: return {2, 2, 3, -1};
    case T::TGF: return {2, 2, 3, 1};
    case T::TDM: return {2, 1, 2, -1};
    case T::TGM: return {2, 1, 2, 1};
    case T::TDA: return {2, 0, 1, -1};
    case T::TGA: return {2, 0, 1, 1};
    case T::Haut: return {0, 0, 3, -1};
    case T::Bas: return {0, 0, 3, 1};
    case T::Gauche: return {1, 0, 3, -1};
    case T::Droite: return {1, 0, 3, 1};
    }
    return {0, 0, 3, 1};
}

void Dessiner(QImage& image, const Couleurs& apres, notation::Turn t, double progres)
{
    image.fill(qRgb(0, 0, 0));
    if (image.isNull())
        return;
    const CUBEArtwork::Placement pl = CUBEArtwork::Stretched(image.width(), image.height());
    const Mouvement m = MouvementDe(t);
    // The squares now where they will be at the end, the layer turned back by what is still to come.
    const Rotation tourne = Angle(m.axe, m.sens * (std::clamp(progres, 0.0, 1.0) - 1));
    V3 oeil{};
    CUBEArtwork::CameraCentre(oeil.v[0], oeil.v[1], oeil.v[2]);

    struct Bloc {
        int debut, fin;
        bool tourne;
    };
    Bloc blocs[3];
    int n = 0;
    if (m.debut > 0)
        blocs[n++] = {0, m.debut, false};
    blocs[n++] = {m.debut, m.fin, true};
    if (m.fin < 3)
        blocs[n++] = {m.fin, 3, false};
    // Farthest from the camera first, measured along the axis (the planes between blocks are
    // square to it, and turning keeps a block between its planes).
    auto distance = [&](const Bloc& b) {
        const double e = oeil[m.axe];
        return e > b.fin ? e - b.fin : e < b.debut ? b.debut - e : 0.0;
    };
    std::sort(blocs, blocs + n, [&](const Bloc& a, const Bloc& b) { return distance(a) > distance(b); });

    auto projete = [&](const Rotation& r, const V3& p) {
        const V3 q = r.Point(p);
        return CUBEArtwork::Project(pl, q[0], q[1], q[2]);
    };
    const Rotation fixe;
    for (int k = 0; k < n; ++k) {
        const Bloc& b = blocs[k];
        const Rotation& r = b.tourne ? tourne : fixe;
        double bas[3] = {0, 0, 0}, haut[3] = {3, 3, 3};
        bas[m.axe] = b.debut;
        haut[m.axe] = b.fin;
        for (int p = 0; p < 6; ++p) {
            const Cote& c = Cotes[p];
            // The block's face on this side: a square of the cube's surface, or a cut.
            int axeFace = 0;
            while (c.normale[axeFace] == 0)
                ++axeFace;
            const double plan = c.normale[axeFace] > 0 ? haut[axeFace] : bas[axeFace];
            const int i = (axeFace + 1) % 3, j = (axeFace + 2) % 3;
            std::array<V3, 4> coins{};
            const double ci[4] = {bas[i], haut[i], haut[i], bas[i]}, cj[4] = {bas[j], bas[j], haut[j], haut[j]};
            V3 centre{};
            for (int q = 0; q < 4; ++q) {
                coins[static_cast<std::size_t>(q)].v[axeFace] = plan;
                coins[static_cast<std::size_t>(q)].v[i] = ci[q];
                coins[static_cast<std::size_t>(q)].v[j] = cj[q];
            }
            centre.v[axeFace] = plan;
            centre.v[i] = (bas[i] + haut[i]) / 2;
            centre.v[j] = (bas[j] + haut[j]) / 2;
            const V3 o = r.Point(centre);
            const V3 nrm = r.Vecteur(V3{{double(c.normale[0]), double(c.normale[1]), double(c.normale[2])}});
            double vue = 0;
            for (int a = 0; a < 3; ++a)
                vue += (oeil[a] - o[a]) * nrm[a];
            if (vue <= 0)
                continue;
            // Black over what lies behind; the farthest block has nothing but the black background behind it.
            if (k > 0)
                Remplir(image,
                        CUBEArtwork::Inset({projete(r, coins[0]), projete(r, coins[1]), projete(r, coins[2]), projete(r, coins[3])}, 0),
                        qRgb(0, 0, 0));
            if (plan != (c.normale[axeFace] > 0 ? 3 : 0))
                continue; // the inside of the cut: black only
            for (int s = 0; s < 9; ++s) {
                const int col = s % 3, ligne = s / 3;
                // Which block holds the square: its centre's coordinate along the axis.
                const V3 milieu{{(Coin(c, col, ligne)[0] + Coin(c, col + 1, ligne + 1)[0]) / 2,
                                 (Coin(c, col, ligne)[1] + Coin(c, col + 1, ligne + 1)[1]) / 2,
                                 (Coin(c, col, ligne)[2] + Coin(c, col + 1, ligne + 1)[2]) / 2}};
                if (milieu[m.axe] < b.debut || milieu[m.axe] > b.fin)
                    continue;
                const Quad q = CUBEArtwork::Inset({projete(r, Coin(c, col, ligne)), projete(r, Coin(c, col + 1, ligne)),
                                                   projete(r, Coin(c, col + 1, ligne + 1)), projete(r, Coin(c, col, ligne + 1))},
                                                  pl.halfLine);
                Remplir(image, q, Teinte(apres[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)]));
            }
        }
    }
}

} // namespace animation
