// The cube is cut into blocks along the turn's axis: the turning layer and what stays (none, one or
// two blocks). Blocks never reach across the planes that cut them, so drawing them from the one
// farthest from the camera to the nearest hides what each hides; inside a block, a box, the faces
// turned to the camera never overlap. Each face is drawn black, then its squares with the shapes the
// control's picture gives them, so at rest the frame is that picture.
//
// A look from elsewhere turns the whole cube about its centre before the camera sees it; where the
// eye stands and what faces it are worked out in the cube's own frame, with the eye turned back.
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

// Cosine and sine of an angle in quarter turns, exact at whole quarter turns, so a frame there sees
// the very corners the control's picture is made from.
void CosSin(double quarts, double& c, double& s)
{
    if (quarts == std::round(quarts)) {
        const int n = ((static_cast<int>(std::round(quarts)) % 4) + 4) % 4;
        c = n == 0 ? 1 : n == 2 ? -1 : 0;
        s = n == 1 ? 1 : n == 3 ? -1 : 0;
        return;
    }
    c = std::cos(quarts * std::numbers::pi / 2);
    s = std::sin(quarts * std::numbers::pi / 2);
}

// A rotation about the axis through the cube's centre.
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
    CosSin(quarts, r.c, r.s);
    r.identite = r.c == 1 && r.s == 0;
    return r;
}

// The look: the cube turned about its vertical axis, then about its left-to-right axis.
struct Vue {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    bool identite = true;

    explicit Vue(const Regard& r)
    {
        if (r.Repos())
            return;
        identite = false;
        double cl, sl, ct, st;
        CosSin(r.lacet / 90, cl, sl);
        CosSin(r.tangage / 90, ct, st);
        // About y: x' = c x + s z, z' = -s x + c z. Then about x: y' = c y - s z, z' = s y + c z.
        const double y[3][3] = {{cl, 0, sl}, {0, 1, 0}, {-sl, 0, cl}};
        const double x[3][3] = {{1, 0, 0}, {0, ct, -st}, {0, st, ct}};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                m[i][j] = 0;
                for (int k = 0; k < 3; ++k)
                    m[i][j] += x[i][k] * y[k][j];
            }
    }
    // `transpose`: the way back, from where the camera sees a point to the cube's own frame.
    V3 Point(const V3& p, bool transpose = false) const
    {
        if (identite)
            return p;
        V3 q{};
        for (int i = 0; i < 3; ++i) {
            double s = 0;
            for (int k = 0; k < 3; ++k)
                s += (transpose ? m[k][i] : m[i][k]) * (p[k] - 1.5);
            q.v[i] = s + 1.5;
        }
        return q;
    }
};

// Away from the drawn view the cube's corners may reach past the picture: it is then drawn smaller
// about its centre, just enough to keep inside the picture (or inside the drawn cube's own extent,
// where that is larger, so a whole quarter turn away it is the drawn size exactly).
struct Cadre {
    bool actif = false;
    double k = 1, cx = 0, cy = 0;
    PointF Appliquer(PointF p) const { return actif ? PointF{cx + k * (p.x - cx), cy + k * (p.y - cy)} : p; }
};

Cadre Cadrer(const CUBEArtwork::Placement& pl, const Vue& vue, int largeur, int hauteur)
{
    Cadre c;
    if (vue.identite)
        return c;
    const PointF centre = CUBEArtwork::Project(pl, 1.5, 1.5, 1.5);
    double lo[2] = {pl.halfLine, pl.halfLine}, hi[2] = {largeur - pl.halfLine, hauteur - pl.halfLine};
    PointF coins[8];
    for (int n = 0; n < 8; ++n) {
        const V3 p{{3.0 * (n & 1), 3.0 * ((n >> 1) & 1), 3.0 * ((n >> 2) & 1)}};
        const PointF repos = CUBEArtwork::Project(pl, p[0], p[1], p[2]);
        lo[0] = std::min(lo[0], repos.x);
        hi[0] = std::max(hi[0], repos.x);
        lo[1] = std::min(lo[1], repos.y);
        hi[1] = std::max(hi[1], repos.y);
        const V3 q = vue.Point(p);
        coins[n] = CUBEArtwork::Project(pl, q[0], q[1], q[2]);
    }
    double k = 1;
    for (const PointF& p : coins) {
        const double d[2] = {p.x - centre.x, p.y - centre.y}, o[2] = {centre.x, centre.y};
        for (int a = 0; a < 2; ++a) {
            if (d[a] > 0)
                k = std::min(k, (hi[a] - o[a]) / d[a]);
            else if (d[a] < 0)
                k = std::min(k, (lo[a] - o[a]) / d[a]);
        }
    }
    c.actif = k < 1;
    c.k = k;
    c.cx = centre.x;
    c.cy = centre.y;
    return c;
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

struct Bloc {
    int debut, fin;
    bool tourne;
};

// What one frame needs to draw its blocks.
struct Scene {
    QImage& image;
    const Couleurs& apres;
    Mouvement m;
    CUBEArtwork::Placement pl;
    Rotation tourne;
    Vue vue;
    Cadre cadre;
    V3 oeil; // in the cube's own frame

    PointF Projete(const Rotation& r, const V3& p) const
    {
        const V3 q = vue.Point(r.Point(p));
        return cadre.Appliquer(CUBEArtwork::Project(pl, q[0], q[1], q[2]));
    }

    // One side of the block: black where it faces the eye, then its squares where it is the cube's
    // surface. `cache`: something was drawn before that it may lie over.
    void Cote(const Bloc& b, int p, bool cache) const
    {
        const Rotation fixe;
        const Rotation& r = b.tourne ? tourne : fixe;
        double bas[3] = {0, 0, 0}, haut[3] = {3, 3, 3};
        bas[m.axe] = b.debut;
        haut[m.axe] = b.fin;
        const animation::Cote& c = Cotes[p];
        int axeFace = 0;
        while (c.normale[axeFace] == 0)
            ++axeFace;
        const double plan = c.normale[axeFace] > 0 ? haut[axeFace] : bas[axeFace];
        const int i = (axeFace + 1) % 3, j = (axeFace + 2) % 3;
        V3 centre{};
        centre.v[axeFace] = plan;
        centre.v[i] = (bas[i] + haut[i]) / 2;
        centre.v[j] = (bas[j] + haut[j]) / 2;
        const V3 o = r.Point(centre);
        const V3 nrm = r.Vecteur(V3{{double(c.normale[0]), double(c.normale[1]), double(c.normale[2])}});
        double vue = 0;
        for (int a = 0; a < 3; ++a)
            vue += (oeil[a] - o[a]) * nrm[a];
        if (vue <= 0)
            return;
        if (cache) {
            const double ci[4] = {bas[i], haut[i], haut[i], bas[i]}, cj[4] = {bas[j], bas[j], haut[j], haut[j]};
            std::array<PointF, 4> coins{};
            for (int q = 0; q < 4; ++q) {
                V3 s{};
                s.v[axeFace] = plan;
                s.v[i] = ci[q];
                s.v[j] = cj[q];
                coins[static_cast<std::size_t>(q)] = Projete(r, s);
            }
            Remplir(image, CUBEArtwork::Inset(coins, 0), qRgb(0, 0, 0));
        }
        if (plan != (c.normale[axeFace] > 0 ? 3 : 0))
            return; // the inside of the cut: black only
        for (int s = 0; s < 9; ++s) {
            const int col = s % 3, ligne = s / 3;
            // Which block holds the square: its centre's coordinate along the axis.
            const double milieu = (Coin(c, col, ligne)[m.axe] + Coin(c, col + 1, ligne + 1)[m.axe]) / 2;
            if (milieu < b.debut || milieu > b.fin)
                continue;
            const Quad q = CUBEArtwork::Inset({Projete(r, Coin(c, col, ligne)), Projete(r, Coin(c, col + 1, ligne)),
                                               Projete(r, Coin(c, col + 1, ligne + 1)), Projete(r, Coin(c, col, ligne + 1))},
                                              pl.halfLine);
            Remplir(image, q, Teinte(apres[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)]));
        }
    }
};

} // namespace

const Cote& CoteDe(int position) { return Cotes[std::clamp(position, 0, 5)]; }

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

Mouvement MouvementZ(bool prime) { return {2, 0, 3, prime ? 1 : -1}; }

void Dessiner(QImage& image, const Couleurs& apres, notation::Turn t, double progres, const Regard& regard)
{
    Dessiner(image, apres, MouvementDe(t), progres, regard);
}

void Dessiner(QImage& image, const Couleurs& apres, const Mouvement& m, double progres, const Regard& regard)
{
    image.fill(qRgb(0, 0, 0));
    if (image.isNull())
        return;
    const CUBEArtwork::Placement pl = CUBEArtwork::Stretched(image.width(), image.height());
    const Vue vue(regard);
    V3 oeil{};
    CUBEArtwork::CameraCentre(oeil.v[0], oeil.v[1], oeil.v[2]);
    // The squares now where they will be at the end, the layer turned back by what is still to come.
    const Scene scene{image, apres, m, pl, Angle(m.axe, m.sens * (std::clamp(progres, 0.0, 1.0) - 1)), vue,
                      Cadrer(pl, vue, image.width(), image.height()), vue.Point(oeil, true)};

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
        const double e = scene.oeil[m.axe];
        return e > b.fin ? e - b.fin : e < b.debut ? b.debut - e : 0.0;
    };
    std::sort(blocs, blocs + n, [&](const Bloc& a, const Bloc& b) { return distance(a) > distance(b); });
    // Black over what lies behind; the farthest block has nothing but the black background behind it.
    for (int k = 0; k < n; ++k)
        for (int p = 0; p < 6; ++p)
            scene.Cote(blocs[k], p, k > 0);
}

} // namespace animation
