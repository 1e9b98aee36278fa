// The checks that several stages share.
#include "Stages.h"

bool Merlo::VerifHaut(int16_t* Elmts)
{
    LireFace(*this, 0, Elmts);
    bool result = true;
    // All nine squares are compared, the centre included, with a yield after each.
    for (int i = 0; i <= 8; ++i) {
        if (Elmts[i] != Elmts[4])
            result = false;
        DoEvents();
    }
    return result;
}

bool Merlo::Identite()
{
    bool result = true;
    // All four sides are read, even after a mismatch.
    for (int16_t k = 1; k <= 4; ++k) {
        const int16_t c = Rel(*this, k, 1, 1);
        const int16_t e = Rel(*this, k, 0, 1);
        if (e != c)
            result = false;
    }
    return result;
}
