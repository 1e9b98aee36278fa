// The picture is the artwork's camera looking at the cube [0,3]^3; each face seen is a plane whose
// points (a, b), in squares along its columns and rows, land on the picture through that camera.
// The square under the pointer is the (a, b) that lands there, found by Newton's method (the map is
// a homography, close to affine over a face: a few steps reach it).
#include "Geste.h"

#include "CUBEArtwork.h"
#include "RenduTour.h"

#include <cmath>

namespace geste {
namespace {

constexpr int Visibles[] = {0, 2, 3};

Point Projete(const CUBEArtwork::Placement& pl, const animation::Cote& c, double a, double b)
{
    double p[3];
    for (int k = 0; k < 3; ++k)
        p[k] = c.origine[k] + a * c.colonnes[k] + b * c.lignes[k];
    const CUBEArtwork::PointF q = CUBEArtwork::Project(pl, p[0], p[1], p[2]);
    return {q.x, q.y};
}

// Where on the face the point `cible` lies, in squares; the picture's way per square there.
bool Inverser(const CUBEArtwork::Placement& pl, const animation::Cote& c, Point cible, double& a, double& b,
              Point& da, Point& db)
{
    a = b = 1.5;
    constexpr double h = 1e-4;
    for (int pas = 0; pas < 30; ++pas) {
        const Point p = Projete(pl, c, a, b), pa = Projete(pl, c, a + h, b), pb = Projete(pl, c, a, b + h);
        da = {(pa.x - p.x) / h, (pa.y - p.y) / h};
        db = {(pb.x - p.x) / h, (pb.y - p.y) / h};
        const double det = da.x * db.y - da.y * db.x;
        if (std::fabs(det) < 1e-12)
            return false;
        const double ex = cible.x - p.x, ey = cible.y - p.y;
        const double sa = (ex * db.y - ey * db.x) / det, sb = (da.x * ey - da.y * ex) / det;
        a += sa;
        b += sb;
        if (std::fabs(a) > 100 || std::fabs(b) > 100)
            return false;
        if (std::fabs(sa) + std::fabs(sb) < 1e-9)
            break;
    }
    return true;
}

} // namespace

std::optional<Case> CaseSous(double largeur, double hauteur, Point p)
{
    if (largeur <= 0 || hauteur <= 0)
        return std::nullopt;
    // The reference layout stretched to the picture, as the control's pictures are.
    CUBEArtwork::Placement pl;
    pl.sx = largeur / CUBEArtwork::Width;
    pl.sy = hauteur / CUBEArtwork::Height;
    for (const int position : Visibles) {
        const animation::Cote& c = animation::CoteDe(position);
        double a, b;
        Point da, db;
        if (!Inverser(pl, c, p, a, b, da, db) || a < 0 || a > 3 || b < 0 || b > 3)
            continue;
        Case k;
        k.position = position;
        k.colonne = std::min(2, static_cast<int>(a));
        k.ligne = std::min(2, static_cast<int>(b));
        k.parColonne = da;
        k.parLigne = db;
        return k;
    }
    return std::nullopt;
}

std::optional<Glisse> Direction(const Case& c, Point d)
{
    // d = u * parColonne + v * parLigne: how many squares along each of the face's ways.
    const Point A = c.parColonne, B = c.parLigne;
    const double det = A.x * B.y - A.y * B.x;
    if (std::fabs(det) < 1e-12)
        return std::nullopt;
    const double u = (d.x * B.y - d.y * B.x) / det, v = (A.x * d.y - A.y * d.x) / det;
    // Which way is clear is judged on the picture, where the hand moves.
    const double lu = std::fabs(u) * std::hypot(A.x, A.y), lv = std::fabs(v) * std::hypot(B.x, B.y);
    if (lu >= Nettete * lv && std::fabs(u) >= LongueurMin)
        return Glisse{0, u > 0 ? 1 : -1};
    if (lv >= Nettete * lu && std::fabs(v) >= LongueurMin)
        return Glisse{1, v > 0 ? 1 : -1};
    return std::nullopt;
}

std::optional<notation::Turn> Tour(int position, int ligne, int colonne, Glisse g)
{
    if (position < 0 || position > 5 || ligne < 0 || ligne > 2 || colonne < 0 || colonne > 2)
        return std::nullopt;
    const animation::Cote& c = animation::CoteDe(position);
    int v[3], w[3];
    for (int k = 0; k < 3; ++k)
        v[k] = g.sens * (g.axe == 0 ? c.colonnes[k] : c.lignes[k]);
    // A push at the face's surface along v turns the cube about normal x v, the right hand's way.
    const int* n = c.normale;
    w[0] = n[1] * v[2] - n[2] * v[1];
    w[1] = n[2] * v[0] - n[0] * v[2];
    w[2] = n[0] * v[1] - n[1] * v[0];
    int axe = 0;
    while (axe < 3 && w[axe] == 0)
        ++axe;
    if (axe == 3)
        return std::nullopt;
    // The layer along that axis holding the square's centre.
    const double centre = c.origine[axe] + (colonne + 0.5) * c.colonnes[axe] + (ligne + 0.5) * c.lignes[axe];
    const int couche = static_cast<int>(std::floor(centre));
    const animation::Mouvement voulu{axe, couche, couche + 1, w[axe]};
    for (int t = 0; t < static_cast<int>(notation::Turn::Haut); ++t)
        if (animation::MouvementDe(static_cast<notation::Turn>(t)) == voulu)
            return static_cast<notation::Turn>(t);
    return std::nullopt;
}

} // namespace geste
