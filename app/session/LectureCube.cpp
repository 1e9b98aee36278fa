#include "LectureCube.h"

#include "CUBEDriver.h"

EtatCube LireCube(CUBEDriver& cube, int16_t faceVue)
{
    EtatCube e;
    for (int16_t p = 0; p < 6; ++p)
        e.faceA[static_cast<std::size_t>(p)] = cube.WichFace(p);
    for (int16_t f = 0; f < 6; ++f)
        cube.GetFace(f, e.cases[static_cast<std::size_t>(f)].data());
    e.faceVue = faceVue;
    return e;
}

void PoserCube(CUBEDriver& cube, const EtatCube& etat)
{
    // Which face stands where, then every face's squares as stored. The face in front is brought to
    // the front again, which turns nothing and repaints.
    for (int16_t p = 0; p < 6; ++p)
        cube.PutFace(p, etat.faceA[static_cast<std::size_t>(p)]);
    for (int16_t f = 0; f < 6; ++f) {
        std::array<int16_t, 9> cases = etat.cases[static_cast<std::size_t>(f)];
        cube.SetFace(f, cases.data());
    }
    cube.PointerFaces();
    cube.AfficherFace(cube.WichFace(2));
}

std::array<std::array<int16_t, 9>, 6> ParPosition(const EtatCube& etat)
{
    std::array<std::array<int16_t, 9>, 6> r{};
    for (std::size_t p = 0; p < 6; ++p) {
        const int16_t f = etat.faceA[p];
        if (f >= 0 && f <= 5)
            r[p] = etat.cases[static_cast<std::size_t>(f)];
    }
    return r;
}
