#include "PositionCube.h"

#include "LectureCube.h"
#include "ModeleSession.h"

notation::Position PositionDe(const EtatCube& cube)
{
    const auto parPosition = ParPosition(cube);
    notation::Position pos;
    for (int s = 0; s < notation::Squares; ++s) {
        const notation::CubeSquare at = notation::OnCube(s);
        pos.colour[s] = static_cast<int8_t>(parPosition[at.position][at.square]);
    }
    return pos;
}

notation::Position LirePosition(CUBEDriver& cube) { return PositionDe(LireCube(cube)); }

void PoserPosition(ModeleSession& session, const notation::Position& p)
{
    // Face n at position n, as the cube was made; then every square of every face.
    EtatCube cube;
    for (int s = 0; s < notation::Squares; ++s) {
        const notation::CubeSquare at = notation::OnCube(s);
        cube.cases[at.position][at.square] = p.colour[s];
    }
    EtatSession e = session.InstantaneSansLignes();
    cube.faceVue = 2;
    e.cube = cube;
    session.RestaurerSansLignes(e);
    session.Clear_Click();
}
