// The checks that several stages share.
#include "Stages.h"

bool Resolveur::VerifHaut(int16_t* Elmts)
{
    LireFace(m_S, 0, Elmts);
    bool result = true;
    // All nine squares are compared, the centre included, with a yield after each.
    for (int i = 0; i <= 8; ++i) {
        if (Elmts[i] != Elmts[4])
            result = false;
        m_S.DoEvents();
    }
    return result;
}

bool Resolveur::Identite()
{
    bool result = true;
    // All four sides are read, even after a mismatch.
    for (int16_t k = 1; k <= 4; ++k) {
        const int16_t c = Rel(m_S, k, 1, 1);
        const int16_t e = Rel(m_S, k, 0, 1);
        if (e != c)
            result = false;
    }
    return result;
}
