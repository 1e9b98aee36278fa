// Stage "Zone M": completes the middle layer from the edges of the bottom layer.
#include "Stages.h"

#include <array>

bool Resolveur::Milieu()
{
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t a = Rel(m_S, p, 1, 0);
        const int16_t b = Rel(m_S, p, 1, 1);
        const int16_t c = Rel(m_S, p, 1, 2);
        if (b != a || c != b)
            return false;
    }
    return true;
}

void Resolveur::RecElmts(int16_t* Elmts)
{
    const int16_t B = m_S.WichFace(5);
    Elmts[0] = m_S.Relatif(B, 1, 1);
    Elmts[2] = m_S.Relatif(B, 0, 1);
    Elmts[1] = m_S.Relatif(B, 1, 0);
    Elmts[3] = m_S.Relatif(B, 1, 2);
    Elmts[4] = m_S.Relatif(B, 2, 1);
    for (int16_t k = 1; k <= 4; ++k)
        Elmts[4 + k] = Rel(m_S, k, 2, 1);
}

namespace {

// Turns the middle layer until `accord` holds, testing before each turn. False when four turns
// found no match.
template <class Accord>
bool TournerMilieu(Resolveur& r, Accord accord)
{
    SurfaceEtapes& s = r.Surface();
    StageLoop::Turns turns(r);
    while (!accord()) {
        if (!turns.Turn())
            return false;
        s.Choisir(OptMil);
        s.HorizD_Click();
        s.DoEvents();
    }
    return true;
}

} // namespace

void Resolveur::RangerM_Click()
{
    std::array<int16_t, 11> Elmts{};
    if (!VerifHaut(Elmts.data()))
        return;

    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass())
            return;
        if (Milieu())
            break;

        RecElmts(Elmts.data());
        m_S.DoEvents();
        const int16_t c0 = Elmts[0];

        if (Elmts[1] != c0 && Elmts[5] != c0) {
            // The edge under the left side goes into the middle layer: a half turn of the bottom
            // brings it under the right side.
            m_S.Choisir(OptBas);
            m_S.HorizD_Click();
            m_S.HorizD_Click();
            // Then the middle layer, until the right centre has the colour of the edge's side square.
            if (!TournerMilieu(*this, [&] { return Rel(m_S, 3, 1, 1) == Elmts[5]; }))
                return;
            const int16_t x = Rel(m_S, 5, 1, 2);
            if (x == Rel(m_S, 2, 1, 1))
                m_S.CG_Click();
            else if (x == Rel(m_S, 4, 1, 1))
                m_S.CD_Click();
            continue;
        }

        const auto enBas = [&](int k) { return Elmts[k] == c0 || Elmts[k + 4] == c0; };
        if (!(enBas(3) && enBas(2) && enBas(4))) {
            m_S.Droite_Click();
            continue;
        }

        // Every bottom edge belongs to the bottom, so a middle edge sits wrongly in its slot.
        const int16_t m = Rel(m_S, 3, 1, 1);
        if (Rel(m_S, 3, 1, 2) != m)
            m_S.CD_Click();
        else if (Rel(m_S, 3, 1, 0) != m)
            m_S.CG_Click();
        else
            m_S.Droite_Click();
    }

    // Line the middle layer up with the top layer.
    TournerMilieu(*this, [&] {
        const int16_t bord = Rel(m_S, 3, 0, 1);
        const int16_t centre = Rel(m_S, 3, 1, 1);
        return bord == centre;
    });
}
