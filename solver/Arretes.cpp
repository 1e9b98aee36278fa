// Stage "Arretes": brings the four top-layer edges over their side centres.
#include "Stages.h"

void Resolveur::IdM_Click()
{
    if (!VerifHaut(Cases.data()))
        return;

    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass())
            return;
        if (Identite())
            return;

        int16_t Fc = Rel(m_S, 2, 1, 1);
        int16_t Fe = Rel(m_S, 2, 0, 1);
        const int16_t Le = Rel(m_S, 1, 0, 1);
        const int16_t Bc = Rel(m_S, 4, 1, 1);
        const int16_t Be = Rel(m_S, 4, 0, 1);
        const int16_t Rc = Rel(m_S, 3, 1, 1);
        const int16_t Re = Rel(m_S, 3, 0, 1);
        const int16_t Lc = Rel(m_S, 1, 1, 1);

        if (Fe != Fc) {
            // Turn the top layer until the front edge sits over the front centre.
            StageLoop::Turns turns(*this);
            while (Fe != Fc) {
                if (!turns.Turn())
                    return;
                m_S.DoEvents();
                m_S.Choisir(OptHaut);
                m_S.HorizD_Click();
                Fc = Rel(m_S, 2, 1, 1);
                Fe = Rel(m_S, 2, 0, 1);
            }
            m_S.DoEvents();
            continue;
        }

        // The front edge is in place: the left, back and right edges are cycled, or one is in place.
        if (Le == Rc && Be == Lc && Re == Bc) {
            m_S.PA_Click();
            m_S.PA_Click();
        } else if (Le == Bc && Be == Rc && Re == Lc) {
            m_S.PA_Click();
        } else if (Be == Bc) {
            m_S.PA_Click();
            m_S.Droite_Click();
        } else if (Le == Lc) {
            m_S.Choisir(OptHaut);
            m_S.HorizG_Click();
            m_S.Gauche_Click();
            m_S.PA_Click();
            m_S.PA_Click();
        } else if (Re == Rc) {
            m_S.Choisir(OptHaut);
            m_S.HorizG_Click();
            m_S.Gauche_Click();
            m_S.Gauche_Click();
            m_S.PA_Click();
            m_S.PA_Click();
        }
        // No row fits only when the top layer is not a real one; the next pass then repeats this
        // one and the loop ends.
        m_S.DoEvents();
    }
}
