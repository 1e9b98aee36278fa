// SurfaceFenetre: what the solving stages see of the window. Every call goes to the window's own
// command of that name, so the stages' turns are logged and counted like the user's, and their
// yields let the window process its messages as before.
#pragma once

#include "Merlo.h"
#include "SurfaceEtapes.h"

#include <QRadioButton>

#include <cstddef>
#include <iterator>

class SurfaceFenetre final : public SurfaceEtapes {
public:
    explicit SurfaceFenetre(Merlo& w) : m_W(w) {}

    int16_t WichFace(int16_t position) override { return m_W.CUBE().WichFace(position); }
    int16_t Relatif(int16_t face, int16_t etage, int16_t elmt) override { return m_W.CUBE().Relatif(face, etage, elmt); }
    void GetFace(int16_t face, int16_t* contenu) override { m_W.CUBE().GetFace(face, contenu); }

    void Choisir(Option option) override
    {
        // In the order of the Option values.
        static constexpr QRadioButton* Merlo::*boutons[] = {&Merlo::OptGauche, &Merlo::OptM,    &Merlo::OptDroit,
                                                            &Merlo::OptArr,    &Merlo::OptMi,   &Merlo::OptFront,
                                                            &Merlo::OptHaut,   &Merlo::OptMil,  &Merlo::OptBas};
        static_assert(std::size(boutons) == static_cast<std::size_t>(Option::OptBas) + 1);
        (m_W.*boutons[static_cast<std::size_t>(option)])->setChecked(true);
    }

    void FrontD_Click() override { m_W.FrontD_Click(); }
    void FrontG_Click() override { m_W.FrontG_Click(); }
    void HorizD_Click() override { m_W.HorizD_Click(); }
    void HorizG_Click() override { m_W.HorizG_Click(); }
    void VHaut_Click() override { m_W.VHaut_Click(); }
    void VBas_Click() override { m_W.VBas_Click(); }

    void Haut_Click() override { m_W.Haut_Click(); }
    void Bas_Click() override { m_W.Bas_Click(); }
    void Gauche_Click() override { m_W.Gauche_Click(); }
    void Droite_Click() override { m_W.Droite_Click(); }

    void A_Click() override { m_W.A_Click(); }
    void B_Click() override { m_W.B_Click(); }
    void Ar_Click() override { m_W.Ar_Click(); }
    void CD_Click() override { m_W.CD_Click(); }
    void CG_Click() override { m_W.CG_Click(); }
    void PA_Click() override { m_W.PA_Click(); }
    void PC_Click() override { m_W.PC_Click(); }
    void MacroT1() override { m_W.MacroT1(); }
    void MacroT2() override { m_W.MacroT2(); }
    void MacroH1() override { m_W.MacroH1(); }
    void MacroH2() override { m_W.MacroH2(); }
    void FinComm() override { m_W.FinComm(); }

    void DoEvents() override { m_W.DoEvents(); }

private:
    Merlo& m_W;
};
