// Stage "Coins": places the four top-layer corners.
#include "Stages.h"

bool Merlo::PartieH()
{
    bool result = true;
    // All twelve squares are compared, with a yield after each.
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t c = Rel(*this, p, 1, 1);
        for (int16_t j = 0; j <= 2; ++j) {
            if (Rel(*this, p, 0, j) != c)
                result = false;
            DoEvents();
        }
    }
    return result;
}

bool Merlo::Alignes()
{
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t c = Rel(*this, p, 1, 1);
        const int16_t droite = Rel(*this, p, 0, 2);
        const int16_t gauche = Rel(*this, p, 0, 0);
        const int16_t milieu = Rel(*this, p, 0, 1);
        if (droite == c && gauche == c && milieu == c) {
            // Each left turn moves side p to p - 1: the finished side ends at position 1.
            for (int16_t t = 1; t < p; ++t) {
                Gauche_Click();
                DoEvents();
            }
            return true;
        }
        DoEvents();
    }
    return false;
}

void Merlo::MacroC1()
{
    OptDroit->setChecked(true);
    VBas_Click();
    VBas_Click();
    Haut_Click();
    Haut_Click();
    // Twice the turns of PC_Click without its separator, a left turn between them.
    for (int fois = 0; fois < 2; ++fois) {
        if (fois == 1)
            Gauche_Click();
        VBas_Click();
        OptFront->setChecked(true);
        FrontD_Click();
        VBas_Click();
        OptArr->setChecked(true);
        FrontD_Click();
        FrontD_Click();
        VHaut_Click();
        OptFront->setChecked(true);
        FrontG_Click();
        VBas_Click();
        OptArr->setChecked(true);
        FrontD_Click();
        FrontD_Click();
        VHaut_Click();
        VHaut_Click();
    }
    Droite_Click();
    Haut_Click();
    Haut_Click();
    VHaut_Click();
    VHaut_Click();
}

void Merlo::IdC_Click()
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
            DoEvents();
            continue;
        }

        PC_Click();
        if (PartieH()) {
            DoEvents();
            continue;
        }
        // Each test reads afresh after the moves before it; both sides of an "or" are read.
        {
            const int16_t rc = Rel(*this, 3, 1, 1);
            const int16_t b02 = Rel(*this, 4, 0, 2);
            const int16_t fc = Rel(*this, 2, 1, 1);
            const int16_t r02 = Rel(*this, 3, 0, 2);
            if (rc == b02 || fc == r02)
                PC_Click();
        }
        {
            const int16_t rc = Rel(*this, 3, 1, 1);
            const int16_t r02 = Rel(*this, 3, 0, 2);
            const int16_t fc = Rel(*this, 2, 1, 1);
            const int16_t f02 = Rel(*this, 2, 0, 2);
            if (rc == r02 || fc == f02)
                Gauche_Click();
        }
        {
            const int16_t f01 = Rel(*this, 2, 0, 1);
            const int16_t f02 = Rel(*this, 2, 0, 2);
            if (f01 == f02)
                Gauche_Click();
        }
        DoEvents();
    }
}
