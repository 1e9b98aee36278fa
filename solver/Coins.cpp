// Stage "Coins": places the four top-layer corners.
#include "Stages.h"

bool Resolveur::PartieH()
{
    bool result = true;
    // All twelve squares are compared, with a yield after each.
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t c = Rel(m_S, p, 1, 1);
        for (int16_t j = 0; j <= 2; ++j) {
            if (Rel(m_S, p, 0, j) != c)
                result = false;
            m_S.DoEvents();
        }
    }
    return result;
}

bool Resolveur::Alignes()
{
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t c = Rel(m_S, p, 1, 1);
        const int16_t droite = Rel(m_S, p, 0, 2);
        const int16_t gauche = Rel(m_S, p, 0, 0);
        const int16_t milieu = Rel(m_S, p, 0, 1);
        if (droite == c && gauche == c && milieu == c) {
            // Each left turn moves side p to p - 1: the finished side ends at position 1.
            for (int16_t t = 1; t < p; ++t) {
                m_S.Gauche_Click();
                m_S.DoEvents();
            }
            return true;
        }
        m_S.DoEvents();
    }
    return false;
}

void Resolveur::MacroC1()
{
    m_S.Choisir(OptDroit);
    m_S.VBas_Click();
    m_S.VBas_Click();
    m_S.Haut_Click();
    m_S.Haut_Click();
    // Twice the turns of PC_Click without its separator, a left turn between them.
    for (int fois = 0; fois < 2; ++fois) {
        if (fois == 1)
            m_S.Gauche_Click();
        m_S.VBas_Click();
        m_S.Choisir(OptFront);
        m_S.FrontD_Click();
        m_S.VBas_Click();
        m_S.Choisir(OptArr);
        m_S.FrontD_Click();
        m_S.FrontD_Click();
        m_S.VHaut_Click();
        m_S.Choisir(OptFront);
        m_S.FrontG_Click();
        m_S.VBas_Click();
        m_S.Choisir(OptArr);
        m_S.FrontD_Click();
        m_S.FrontD_Click();
        m_S.VHaut_Click();
        m_S.VHaut_Click();
    }
    m_S.Droite_Click();
    m_S.Haut_Click();
    m_S.Haut_Click();
    m_S.VHaut_Click();
    m_S.VHaut_Click();
}

void Resolveur::IdC_Click()
{
    const bool ok = Identite();
    const bool top = VerifHaut(Cases.data());
    if (!top || !ok)
        return;

    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass())
            return;
        if (PartieH())
            return;

        if (Alignes()) {
            if (!PartieH())
                MacroC1();
            m_S.DoEvents();
            continue;
        }

        m_S.PC_Click();
        if (PartieH()) {
            m_S.DoEvents();
            continue;
        }
        // Each test reads afresh after the moves before it; both sides of an "or" are read.
        {
            const int16_t rc = Rel(m_S, 3, 1, 1);
            const int16_t b02 = Rel(m_S, 4, 0, 2);
            const int16_t fc = Rel(m_S, 2, 1, 1);
            const int16_t r02 = Rel(m_S, 3, 0, 2);
            if (rc == b02 || fc == r02)
                m_S.PC_Click();
        }
        {
            const int16_t rc = Rel(m_S, 3, 1, 1);
            const int16_t r02 = Rel(m_S, 3, 0, 2);
            const int16_t fc = Rel(m_S, 2, 1, 1);
            const int16_t f02 = Rel(m_S, 2, 0, 2);
            if (rc == r02 || fc == f02)
                m_S.Gauche_Click();
        }
        {
            const int16_t f01 = Rel(m_S, 2, 0, 1);
            const int16_t f02 = Rel(m_S, 2, 0, 2);
            if (f01 == f02)
                m_S.Gauche_Click();
        }
        m_S.DoEvents();
    }
}
