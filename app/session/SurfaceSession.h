// What the solving stages see of the program, answered by the session model: the control's queries
// by DISPID, the layer choices, the primitives, whole-cube turns and macros, and a yield given as a
// function (the window's DoEvents, or whatever a test wants, nothing at all included).
#pragma once

#include "SurfaceEtapes.h"

#include <functional>

class ModeleSession;

class SurfaceSession final : public SurfaceEtapes {
public:
    explicit SurfaceSession(ModeleSession& session, std::function<void()> ceder = {});

    int16_t WichFace(int16_t position) override;
    int16_t Relatif(int16_t face, int16_t etage, int16_t elmt) override;
    void GetFace(int16_t face, int16_t* contenu) override;

    void Choisir(Option option) override;

    void FrontD_Click() override;
    void FrontG_Click() override;
    void HorizD_Click() override;
    void HorizG_Click() override;
    void VHaut_Click() override;
    void VBas_Click() override;

    void Haut_Click() override;
    void Bas_Click() override;
    void Gauche_Click() override;
    void Droite_Click() override;

    void A_Click() override;
    void B_Click() override;
    void Ar_Click() override;
    void CD_Click() override;
    void CG_Click() override;
    void PA_Click() override;
    void PC_Click() override;
    void MacroT1() override;
    void MacroT2() override;
    void MacroH1() override;
    void MacroH2() override;
    void FinComm() override;

    void DoEvents() override;

private:
    ModeleSession& m_S;
    std::function<void()> m_Ceder;
};
