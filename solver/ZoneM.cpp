// Stage "Zone M": completes the middle layer from the edges of the bottom layer.
#include "Stages.h"

#include <array>

bool Merlo::Milieu()
{
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t a = Rel(*this, p, 1, 0);
        const int16_t b = Rel(*this, p, 1, 1);
        const int16_t c = Rel(*this, p, 1, 2);
        if (b != a || c != b)
            return false;
    }
    return true;
}

void Merlo::RecElmts(int16_t* Elmts)
{
    const int16_t B = CUBE().WichFace(5);
    Elmts[0] = CUBE().Relatif(B, 1, 1);
    Elmts[2] = CUBE().Relatif(B, 0, 1);
    Elmts[1] = CUBE().Relatif(B, 1, 0);
    Elmts[3] = CUBE().Relatif(B, 1, 2);
    Elmts[4] = CUBE().Relatif(B, 2, 1);
    for (int16_t k = 1; k <= 4; ++k)
        Elmts[4 + k] = Rel(*this, k, 2, 1);
}

namespace {

// Turns the middle layer until `accord` holds, testing before each turn. False when four turns
// found no match.
template <class Accord>
bool TournerMilieu(Merlo& w, Accord accord)
{
    StageLoop::Turns turns(w);
    while (!accord()) {
        if (!turns.Turn())
            return false;
        w.OptMil->setChecked(true);
        w.HorizD_Click();
        w.DoEvents();
    }
    return true;
}

} // namespace

void Merlo::RangerM_Click()
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
        DoEvents();
        const int16_t c0 = Elmts[0];

        if (Elmts[1] != c0 && Elmts[5] != c0) {
            // The edge under the left side goes into the middle layer: a half turn of the bottom
            // brings it under the right side.
            OptBas->setChecked(true);
            HorizD_Click();
            HorizD_Click();
            // Then the middle layer, until the right centre has the colour of the edge's side square.
            if (!TournerMilieu(*this, [&] { return Rel(*this, 3, 1, 1) == Elmts[5]; }))
                return;
            const int16_t x = Rel(*this, 5, 1, 2);
            if (x == Rel(*this, 2, 1, 1))
                CG_Click();
            else if (x == Rel(*this, 4, 1, 1))
                CD_Click();
            continue;
        }

        const auto enBas = [&](int k) { return Elmts[k] == c0 || Elmts[k + 4] == c0; };
        if (!(enBas(3) && enBas(2) && enBas(4))) {
            Droite_Click();
            continue;
        }

        // Every bottom edge belongs to the bottom, so a middle edge sits wrongly in its slot.
        const int16_t m = Rel(*this, 3, 1, 1);
        if (Rel(*this, 3, 1, 2) != m)
            CD_Click();
        else if (Rel(*this, 3, 1, 0) != m)
            CG_Click();
        else
            Droite_Click();
    }

    // Line the middle layer up with the top layer.
    TournerMilieu(*this, [&] {
        const int16_t bord = Rel(*this, 3, 0, 1);
        const int16_t centre = Rel(*this, 3, 1, 1);
        return bord == centre;
    });
}
