// Stage "Face B": turns the cube over, makes a cross on the new top face and finishes its layer.
#include "Stages.h"

#include <array>

void Resolveur::FaceB_Click()
{
    std::array<int16_t, 11> Elmts{};
    if (!VerifHaut(Elmts.data()))
        return;

    m_S.Haut_Click();
    m_S.Haut_Click();
    LireFace(m_S, 0, Cases.data());

    // The cross test looks at Cases as read before the last move of the previous pass, so what the
    // loop carries into a pass includes Cases.
    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass(Cases.data(), 9))
            return;
        if (Cases[1] == Cases[4] && Cases[3] == Cases[4] && Cases[5] == Cases[4] && Cases[7] == Cases[4])
            break;
        m_S.Ar_Click();
        LireFace(m_S, 0, Cases.data());
        if (Cases[7] == Cases[4] || Cases[5] == Cases[4])
            m_S.Gauche_Click();
        else
            m_S.Ar_Click();
        m_S.DoEvents();
    }

    ToutEnFace();
    IdM_Click();
    IdC_Click();
}
