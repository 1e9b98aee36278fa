// What the solving stages see of the program: the cube's three queries, the layer choices, the
// layer primitives, the whole-cube turns, the macros and a yield. Nothing else, so the stages build
// and run without a window: the session model answers for the window and for the tests alike.
#pragma once

#include <cstdint>

class SurfaceEtapes {
public:
    // The nine hidden option buttons that choose the layer a primitive turns.
    enum class Option : uint8_t { OptGauche, OptM, OptDroit, OptArr, OptMi, OptFront, OptHaut, OptMil, OptBas };

    // The control's queries, by its dispatch numbers.
    virtual int16_t WichFace(int16_t position) = 0;
    virtual int16_t Relatif(int16_t face, int16_t etage, int16_t elmt) = 0;
    virtual void GetFace(int16_t face, int16_t* contenu) = 0;

    // Sets an option button to True, which deselects the other two of its group.
    virtual void Choisir(Option option) = 0;

    // The six layer primitives: each turns the layer its group selects and logs one line.
    virtual void FrontD_Click() = 0;
    virtual void FrontG_Click() = 0;
    virtual void HorizD_Click() = 0;
    virtual void HorizG_Click() = 0;
    virtual void VHaut_Click() = 0;
    virtual void VBas_Click() = 0;

    // The whole-cube turns.
    virtual void Haut_Click() = 0;
    virtual void Bas_Click() = 0;
    virtual void Gauche_Click() = 0;
    virtual void Droite_Click() = 0;

    // The macros the stages call, and the separator.
    virtual void A_Click() = 0;
    virtual void B_Click() = 0;
    virtual void Ar_Click() = 0;
    virtual void CD_Click() = 0;
    virtual void CG_Click() = 0;
    virtual void PA_Click() = 0;
    virtual void PC_Click() = 0;
    virtual void MacroT1() = 0;
    virtual void MacroT2() = 0;
    virtual void MacroH1() = 0;
    virtual void MacroH2() = 0;
    virtual void FinComm() = 0;

    // Lets the program process what is pending (repaints, the user's clicks) once.
    virtual void DoEvents() = 0;

protected:
    ~SurfaceEtapes() = default;
};
