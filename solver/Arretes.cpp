// Stage "Arretes": brings the four top-layer edges over their side centres.
#include "Stages.h"

void Merlo::IdM_Click()
{
    if (!VerifHaut(Cases.data()))
        return;

    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass())
            return;
        if (Identite())
            return;

        int16_t Fc = Rel(*this, 2, 1, 1);
        int16_t Fe = Rel(*this, 2, 0, 1);
        const int16_t Le = Rel(*this, 1, 0, 1);
        const int16_t Bc = Rel(*this, 4, 1, 1);
        const int16_t Be = Rel(*this, 4, 0, 1);
        const int16_t Rc = Rel(*this, 3, 1, 1);
        const int16_t Re = Rel(*this, 3, 0, 1);
        const int16_t Lc = Rel(*this, 1, 1, 1);

        if (Fe != Fc) {
            // Turn the top layer until the front edge sits over the front centre.
            StageLoop::Turns turns(*this);
            while (Fe != Fc) {
                if (!turns.Turn())
                    return;
                DoEvents();
                OptHaut->setChecked(true);
                HorizD_Click();
                Fc = Rel(*this, 2, 1, 1);
                Fe = Rel(*this, 2, 0, 1);
            }
            DoEvents();
            continue;
        }

        // The front edge is in place: the left, back and right edges are cycled, or one is in place.
        if (Le == Rc && Be == Lc && Re == Bc) {
            PA_Click();
            PA_Click();
        } else if (Le == Bc && Be == Rc && Re == Lc) {
            PA_Click();
        } else if (Be == Bc) {
            PA_Click();
            Droite_Click();
        } else if (Le == Lc) {
            OptHaut->setChecked(true);
            HorizG_Click();
            Gauche_Click();
            PA_Click();
            PA_Click();
        } else if (Re == Rc) {
            OptHaut->setChecked(true);
            HorizG_Click();
            Gauche_Click();
            Gauche_Click();
            PA_Click();
            PA_Click();
        }
        // No row fits only when the top layer is not a real one; the next pass then repeats this
        // one and the loop ends.
        DoEvents();
    }
}
