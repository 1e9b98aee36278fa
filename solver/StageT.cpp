// Stage "T": finishes the top face when only its corner squares are wrong.
#include "Stages.h"

#include <array>
#include <span>

namespace {

// The side squares of the top corners, in the order they are read: a1 b1 a2 b2 a3 b3 a4 b4
// (ak left, bk right end of the top row of side k).
enum Carre : unsigned { a1, b1, a2, b2, a3, b3, a4, b4 };

constexpr unsigned Bits(std::initializer_list<Carre> carres)
{
    unsigned m = 0;
    for (Carre c : carres)
        m |= 1u << c;
    return m;
}

using Coup = void (SurfaceEtapes::*)();

struct Regle {
    unsigned carres; // squares that must show the top colour
    std::array<Coup, 4> coups; // moves in order, up to the first null
};

constexpr Coup A = &SurfaceEtapes::A_Click, B = &SurfaceEtapes::B_Click, G = &SurfaceEtapes::Gauche_Click,
               D = &SurfaceEtapes::Droite_Click;

constexpr std::array<Regle, 7> Deux{{
    {Bits({a3, b3}), {A, B}},
    {Bits({a4, b2}), {A, B, A, B}},
    {Bits({a1, b1}), {G, G, A, B}},
    {Bits({a2, b2}), {D, A, B}},
    {Bits({a4, b4}), {G, A, B}},
    {Bits({a3, b4}), {G, A, D, B}},
    {Bits({a1, b2}), {B, G, A}},
}};

constexpr std::array<Regle, 6> Trois{{
    {Bits({b2, b3, b4}), {G, B}},
    {Bits({b1, b2, b3}), {B}},
    {Bits({a1, a2, a4}), {D, A}},
    {Bits({a1, a2, a3}), {A}},
    {Bits({a2, a3, a4}), {&SurfaceEtapes::MacroT2}},
    {Bits({b1, b3, b4}), {&SurfaceEtapes::MacroT1}},
}};

constexpr std::array<Regle, 3> Quatre{{
    {Bits({a1, b1, a3, b3}), {D, A, A}},
    {Bits({a2, b2, a4, b4}), {A, A}},
    {Bits({a1, b1, b2, a4}), {A, D, A}},
}};

} // namespace

void Resolveur::UneFace_Click() { ToutEnFace(); }

// Each pass that fits no row turns the cube left and looks again from the next side; written as a
// loop rather than a call of itself, with the same moves.
void Resolveur::ToutEnFace()
{
    StageLoop loop(*this);
    StageLoop::Turns gauches(*this);
    for (;;) {
        if (!loop.Pass())
            return;

        const int16_t c = Rel(m_S, 0, 1, 1);
        LireFace(m_S, 0, Cases.data());
        int32_t n = 0;
        for (int i = 0; i <= 8; ++i) {
            if (Cases[i] != c)
                ++n;
            m_S.DoEvents();
        }

        unsigned enHaut = 0; // which of a1 … b4 show the top colour
        for (int16_t k = 1; k <= 4; ++k) {
            const int16_t a = Rel(m_S, k, 0, 0);
            const int16_t b = Rel(m_S, k, 0, 2);
            if (a == c)
                enHaut |= 1u << (2 * (k - 1));
            if (b == c)
                enHaut |= 1u << (2 * (k - 1) + 1);
        }

        std::span<const Regle> table;
        switch (n) {
        case 2: table = Deux; break;
        case 3: table = Trois; break;
        case 4: table = Quatre; break;
        default: return;
        }
        for (const Regle& r : table) {
            if ((enHaut & r.carres) == r.carres) {
                for (Coup coup : r.coups) {
                    if (!coup)
                        break;
                    (m_S.*coup)();
                }
                return;
            }
        }

        // No row fits: look at the same top layer from the next side.
        if (!gauches.Turn())
            return;
        m_S.Gauche_Click();
    }
}
