// Stage "FaceH": makes the top face one colour, one square at a time.
#include "Stages.h"

#include <array>
#include <initializer_list>

namespace {

using Coup = void (Merlo::*)();

void Jouer(Merlo& w, std::initializer_list<Coup> coups)
{
    for (Coup coup : coups)
        (w.*coup)();
}

bool UnParmi(const std::array<int16_t, 11>& Cases, std::initializer_list<int> carres, int32_t C)
{
    for (int k : carres)
        if (Cases[k] == C)
            return true;
    return false;
}

// Brings a square of colour C from the bottom into the top: frees the top's slot square by turning
// the whole cube, brings a C square under it by turning the bottom layer, then lifts it with the
// middle macro. False when a turning loop found no match in four turns.
bool Monter(Merlo& w, int32_t C, int fente, int caseBas, Coup macro)
{
    LireFace(w, 0, w.Cases.data());
    StageLoop::Turns tours(w);
    while (w.Cases[fente] == C) {
        if (!tours.Turn())
            return false;
        w.Droite_Click();
        LireFace(w, 0, w.Cases.data());
        w.DoEvents();
    }

    LireFace(w, 5, w.Cases.data());
    StageLoop::Turns bas(w);
    while (w.Cases[caseBas] != C) {
        if (!bas.Turn())
            return false;
        w.OptBas->setChecked(true);
        w.HorizD_Click();
        LireFace(w, 5, w.Cases.data());
        w.DoEvents();
    }

    Jouer(w, {&Merlo::Haut_Click, &Merlo::Droite_Click, macro, &Merlo::Gauche_Click, &Merlo::Bas_Click});
    return true;
}

constexpr Coup D = &Merlo::Droite_Click, G = &Merlo::Gauche_Click, H = &Merlo::Haut_Click, B = &Merlo::Bas_Click,
               H1 = &Merlo::MacroH1, H2 = &Merlo::MacroH2, PA = &Merlo::PA_Click, PC = &Merlo::PC_Click;

// PlacerCaseBasse; false when clearing the top square found no match in four turns.
bool PoserCaseBasse(Merlo& w)
{
    const int16_t F = w.CUBE().WichFace(0);
    w.CUBE().GetFace(F, w.Cases.data());
    const int32_t T = w.Cases[4];

    LireFace(w, 1, w.Cases.data());
    int rang = 0;
    for (int k : {3, 5, 6, 7, 8}) {
        if (w.Cases[k] == T) {
            rang = k;
            break;
        }
    }
    if (rang == 0) {
        w.DoEvents();
        return true;
    }

    if (rang != 6)
        w.Droite_Click();

    // Free the top square: face F is read by its number.
    const int haut = rang == 6 ? 6 : rang == 8 ? 8 : 7;
    w.CUBE().GetFace(F, w.Cases.data());
    StageLoop::Turns tours(w);
    while (w.Cases[haut] == T) {
        if (!tours.Turn())
            return false;
        w.OptHaut->setChecked(true);
        w.HorizD_Click();
        w.DoEvents();
        w.CUBE().GetFace(F, w.Cases.data());
    }

    switch (rang) {
    case 3: Jouer(w, {H, PA, B, D, H2}); break;
    case 5: Jouer(w, {H, PA, PA, B, D, H2}); break;
    case 6: Jouer(w, {H, D, H, PC, B, G, B, D, H1, H1}); break;
    case 7: Jouer(w, {H, D, PA, G, B, D, H2}); break;
    case 8: Jouer(w, {H, D, PC, PC, G, B, H1, H1}); break;
    }
    return true;
}

} // namespace

void Merlo::RangerHaut_Click() { ResoudreFaceH(); }

void Merlo::ResoudreFaceH()
{
    LireFace(*this, 0, Cases.data());
    const int32_t C = Cases[4];
    std::array<int16_t, 11> Elmts{};

    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass())
            return;
        if (VerifHaut(Elmts.data()))
            return;
        DoEvents();

        LireFace(*this, 1, Cases.data());
        if (UnParmi(Cases, {0, 1, 2}, C))
            PlacerCaseHaute();
        // Cases now holds the side read last, as it was before any move of PlacerCaseHaute.
        if (UnParmi(Cases, {5, 3, 6, 7, 8}, C)) {
            if (!PoserCaseBasse(*this))
                return;
        } else {
            Droite_Click();
        }

        int32_t haut = 0, bas = 5, cel = C;
        const int32_t enHaut = NbCase(haut, cel);
        const int32_t enBas = NbCase(bas, cel);
        if (!(enHaut + enBas == 9 && enBas > 0))
            continue;

        // Every square of colour C is on the top or the bottom: lift one from the bottom, corners first.
        LireFace(*this, 5, Cases.data());
        if (UnParmi(Cases, {2, 0, 6, 8}, C)) {
            if (!Monter(*this, C, 8, 0, &Merlo::PC_Click))
                return;
        } else if (UnParmi(Cases, {5, 1, 3, 7}, C)) {
            if (!Monter(*this, C, 7, 1, &Merlo::PA_Click))
                return;
        }
    }
}

void Merlo::PlacerCaseHaute()
{
    LireFace(*this, 0, Cases.data());
    const int32_t T = Cases[4];

    struct Cas {
        int16_t position;
        int carre;
        std::array<Coup, 4> coups; // up to the first null
    };
    static constexpr std::array<Cas, 12> table{{
        {1, 0, {D, D, H1}},
        {1, 1, {D, D, H2}},
        {1, 2, {D, H1, H1}},
        {2, 0, {D, H1}},
        {2, 1, {D, H2}},
        {2, 2, {H1, H1}},
        {3, 0, {H1}},
        {3, 1, {H2}},
        {3, 2, {G, H1, H1}},
        // The back face is stored turned: its top row is 8 (cube's right), 7, 6.
        {4, 8, {G, H1}},
        {4, 7, {G, H2}},
        {4, 6, {G, G, H1, H1}},
    }};

    int16_t lue = 0;
    for (const Cas& cas : table) {
        if (cas.position != lue) {
            if (lue != 0)
                DoEvents();
            lue = cas.position;
            LireFace(*this, lue, Cases.data());
        }
        if (Cases[cas.carre] == T) {
            for (Coup coup : cas.coups)
                if (coup)
                    (this->*coup)();
            return;
        }
    }
    DoEvents();
}

void Merlo::PlacerCaseBasse() { PoserCaseBasse(*this); }

int32_t Merlo::NbCase(int32_t& Fc, int32_t& Cel)
{
    std::array<int16_t, 11> Elmts{};
    LireFace(*this, static_cast<int16_t>(Fc), Elmts.data());
    int32_t n = 0;
    for (int i = 0; i <= 8; ++i) {
        if (Elmts[i] == Cel)
            ++n;
        DoEvents();
    }
    return n;
}
