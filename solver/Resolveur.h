// Resolveur: the six solving stages and the checks they share, on the surface the program gives
// them. It reads the cube and turns it only through that surface, so it runs the same under the
// window and in a test with no window at all.
#pragma once

#include "SurfaceEtapes.h"

#include <array>
#include <cstdint>

class Resolveur {
public:
    explicit Resolveur(SurfaceEtapes& surface) : m_S(surface) {}
    Resolveur(const Resolveur&) = delete;
    Resolveur& operator=(const Resolveur&) = delete;

    SurfaceEtapes& Surface() { return m_S; }

    // --- shared checks ---
    bool VerifHaut(int16_t* Elmts);
    bool Identite();

    // --- "T" ---
    void UneFace_Click();
    void ToutEnFace();

    // --- "Coins" ---
    void IdC_Click();
    bool PartieH();
    bool Alignes();
    void MacroC1();

    // --- "Arretes" ---
    void IdM_Click();

    // --- "Face B" ---
    void FaceB_Click();

    // --- "Zone M" ---
    void RangerM_Click();
    bool Milieu();
    void RecElmts(int16_t* Elmts);

    // --- "FaceH" ---
    void RangerHaut_Click();
    void ResoudreFaceH();
    void PlacerCaseHaute();
    void PlacerCaseBasse();
    int32_t NbCase(int32_t& Fc, int32_t& Cel);

    // How often a stage loop was stopped by its limit since this was made.
    int LimitsReached() const { return m_LimitsReached; }

    // The colours of the face read last; indices 0 to 8 are used.
    std::array<int16_t, 11> Cases{};

private:
    friend class StageLoop;
    void LimitReached() { ++m_LimitsReached; }

    SurfaceEtapes& m_S;
    int m_LimitsReached = 0;
};
