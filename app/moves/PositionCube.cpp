#include "PositionCube.h"

#include "Merlo.h"

#include <array>

notation::Position LirePosition(Merlo& w)
{
    std::array<std::array<int16_t, 9>, 6> parPosition{};
    for (int16_t p = 0; p < 6; ++p)
        w.CUBE().GetFace(w.CUBE().WichFace(p), parPosition[p].data());
    notation::Position pos;
    for (int s = 0; s < notation::Squares; ++s) {
        const notation::CubeSquare at = notation::OnCube(s);
        pos.colour[s] = static_cast<int8_t>(parPosition[at.position][at.square]);
    }
    return pos;
}

void PoserPosition(Merlo& w, const notation::Position& p)
{
    // Face n at position n, as the cube was made; then every square of every face.
    for (int16_t n = 0; n < 6; ++n)
        w.CUBE().PutFace(n, n);
    std::array<std::array<int16_t, 9>, 6> faces{};
    for (int s = 0; s < notation::Squares; ++s) {
        const notation::CubeSquare at = notation::OnCube(s);
        faces[at.position][at.square] = p.colour[s];
    }
    for (int16_t n = 0; n < 6; ++n)
        w.CUBE().SetFace(n, faces[n].data());
    w.FaceVue = w.CUBE().WichFace(2);
    w.CUBE().AfficherFace(w.FaceVue);
    w.Clear_Click();
}
