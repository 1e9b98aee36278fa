// Stage "FaceH": makes the top face one colour, one square at a time.
#include "Stages.h"

#include <array>
#include <initializer_list>

namespace {

using Coup = void (SurfaceEtapes::*)();

void Jouer(SurfaceEtapes& s, std::initializer_list<Coup> coups)
{
    for (Coup coup : coups)
        (s.*coup)();
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
bool Monter(Resolveur& r, int32_t C, int fente, int caseBas, Coup macro)
{
    SurfaceEtapes& s = r.Surface();
    LireFace(s, 0, r.Cases.data());
    StageLoop::Turns tours(r);
    while (r.Cases[fente] == C) {
        if (!tours.Turn())
            return false;
        s.Droite_Click();
        LireFace(s, 0, r.Cases.data());
        s.DoEvents();
    }

    LireFace(s, 5, r.Cases.data());
    StageLoop::Turns bas(r);
    while (r.Cases[caseBas] != C) {
        if (!bas.Turn())
            return false;
        s.Choisir(OptBas);
        s.HorizD_Click();
        LireFace(s, 5, r.Cases.data());
        s.DoEvents();
    }

    Jouer(s, {&SurfaceEtapes::Haut_Click, &SurfaceEtapes::Droite_Click, macro, &SurfaceEtapes::Gauche_Click,
              &SurfaceEtapes::Bas_Click});
    return true;
}

constexpr Coup D = &SurfaceEtapes::Droite_Click, G = &SurfaceEtapes::Gauche_Click, H = &SurfaceEtapes::Haut_Click,
               B = &SurfaceEtapes::Bas_Click, H1 = &SurfaceEtapes::MacroH1, H2 = &SurfaceEtapes::MacroH2,
               PA = &SurfaceEtapes::PA_Click, PC = &SurfaceEtapes::PC_Click;

// PlacerCaseBasse; false when clearing the top square found no match in four turns.
bool PoserCaseBasse(Resolveur& r)
{
    SurfaceEtapes& s = r.Surface();
    const int16_t F = s.WichFace(0);
    s.GetFace(F, r.Cases.data());
    const int32_t T = r.Cases[4];

    LireFace(s, 1, r.Cases.data());
    int rang = 0;
    for (int k : {3, 5, 6, 7, 8}) {
        if (r.Cases[k] == T) {
            rang = k;
            break;
        }
    }
    if (rang == 0) {
        s.DoEvents();
        return true;
    }

    if (rang != 6)
        s.Droite_Click();

    // Free the top square: face F is read by its number.
    const int haut = rang == 6 ? 6 : rang == 8 ? 8 : 7;
    s.GetFace(F, r.Cases.data());
    StageLoop::Turns tours(r);
    while (r.Cases[haut] == T) {
        if (!tours.Turn())
            return false;
        s.Choisir(OptHaut);
        s.HorizD_Click();
        s.DoEvents();
        s.GetFace(F, r.Cases.data());
    }

    switch (rang) {
    case 3: Jouer(s, {H, PA, B, D, H2}); break;
    case 5: Jouer(s, {H, PA, PA, B, D, H2}); break;
    case 6: Jouer(s, {H, D, H, PC, B, G, B, D, H1, H1}); break;
    case 7: Jouer(s, {H, D, PA, G, B, D, H2}); break;
    case 8: Jouer(s, {H, D, PC, PC, G, B, H1, H1}); break;
    }
    return true;
}

} // namespace

void Resolveur::RangerHaut_Click() { ResoudreFaceH(); }

void Resolveur::ResoudreFaceH()
{
    LireFace(m_S, 0, Cases.data());
    const int32_t C = Cases[4];
    std::array<int16_t, 11> Elmts{};

    StageLoop loop(*this);
    for (;;) {
        if (!loop.Pass())
            return;
        if (VerifHaut(Elmts.data()))
            return;
        m_S.DoEvents();

        LireFace(m_S, 1, Cases.data());
        if (UnParmi(Cases, {0, 1, 2}, C))
            PlacerCaseHaute();
        // Cases now holds the side read last, as it was before any move of PlacerCaseHaute.
        if (UnParmi(Cases, {5, 3, 6, 7, 8}, C)) {
            if (!PoserCaseBasse(*this))
                return;
        } else {
            m_S.Droite_Click();
        }

        int32_t haut = 0, bas = 5, cel = C;
        const int32_t enHaut = NbCase(haut, cel);
        const int32_t enBas = NbCase(bas, cel);
        if (!(enHaut + enBas == 9 && enBas > 0))
            continue;

        // Every square of colour C is on the top or the bottom: lift one from the bottom, corners first.
        LireFace(m_S, 5, Cases.data());
        if (UnParmi(Cases, {2, 0, 6, 8}, C)) {
            if (!Monter(*this, C, 8, 0, &SurfaceEtapes::PC_Click))
                return;
        } else if (UnParmi(Cases, {5, 1, 3, 7}, C)) {
            if (!Monter(*this, C, 7, 1, &SurfaceEtapes::PA_Click))
                return;
        }
    }
}

void Resolveur::PlacerCaseHaute()
{
    LireFace(m_S, 0, Cases.data());
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
                m_S.DoEvents();
            lue = cas.position;
            LireFace(m_S, lue, Cases.data());
        }
        if (Cases[cas.carre] == T) {
            for (Coup coup : cas.coups)
                if (coup)
                    (m_S.*coup)();
            return;
        }
    }
    m_S.DoEvents();
}

void Resolveur::PlacerCaseBasse() { PoserCaseBasse(*this); }

int32_t Resolveur::NbCase(int32_t& Fc, int32_t& Cel)
{
    std::array<int16_t, 11> Elmts{};
    LireFace(m_S, static_cast<int16_t>(Fc), Elmts.data());
    int32_t n = 0;
    for (int i = 0; i <= 8; ++i) {
        if (Elmts[i] == Cel)
            ++n;
        m_S.DoEvents();
    }
    return n;
}
