// Where a replay stands, without any widget: the solution it follows (Solution.h), the first step
// replayed, how many are made, and the cube kept in step with them through the session, which turns
// it as the turns' buttons do but writes no line. Starting takes the cube back to where the
// solution starts; ending puts it back exactly as the log left it, however it was held.
#pragma once

#include "EtatSession.h"
#include "Notation.h"
#include "Solution.h"

#include <cstdint>
#include <optional>
#include <vector>

class ModeleSession;

class CurseurRelecture {
public:
    explicit CurseurRelecture(ModeleSession& session) : m_S(session) {}

    enum class Depart { Pret, AucunTour, AucunTourIci };
    // Held still: from the last scramble or paste before line `ligne` (for a negative `ligne`, the
    // solution since the last one, or the whole log when nothing was done since), its first step the
    // move of `ligne` or after it. As written: the whole log, from the first turn at or after `ligne`.
    Depart Commencer(int ligne, relecture::Tenue tenue = relecture::Tenue::Immobile);
    bool EnCours() const { return m_EnCours; }

    // One move forwards or back: the move the control has just made (back: the move undoing it), or
    // nothing at either end.
    std::optional<notation::Move> Avancer();
    std::optional<notation::Move> Reculer();
    // To `curseur` moves made, turning through every one between.
    void Aller(int curseur);
    // The cube back as the log left it, and the replay over.
    void Terminer();
    // Over without touching the cube, which is going away with its window.
    void Abandonner();

    // Moves made, of all the solution's; the first move replayed; how many the solution holds.
    int Faits() const { return m_Curseur; }
    int Premier() const { return m_Debut; }
    int Total() const { return static_cast<int>(m_Pas.size()); }
    // The log line of the last turn of the last move made, or -1; of the first turn of the next one,
    // or -1 at the end.
    int LigneFaite() const;
    int LigneSuivante() const;
    // The next move, or nothing at the end.
    std::optional<notation::Move> Suivant() const;
    // The part of the next move (of the last one at the end), and that move's rank in it from 1.
    const relecture::Partie* Partie() const;
    int PasDansPartie() const;
    // The colours of the centres on top and in front as the cube now stands: held still, those of
    // every part's start; as written, turned by the log's whole-cube turns made so far.
    int8_t Haut() const { return m_Cube.colour[9 * notation::U + 4]; }
    int8_t Devant() const { return m_Cube.colour[9 * notation::F + 4]; }

    const relecture::Solution& LaSolution() const { return m_Solution; }
    relecture::Tenue LaTenue() const { return m_Tenue; }

private:
    // One move of the solution: its part and its place there.
    struct Pas {
        int partie, coup;
    };
    const relecture::Coup& CoupDe(int pas) const;
    void Tourner(const notation::Move& m, bool avant);

    ModeleSession& m_S;
    bool m_EnCours = false;
    relecture::Tenue m_Tenue = relecture::Tenue::Immobile;
    relecture::Solution m_Solution;
    std::vector<Pas> m_Pas;
    int m_Debut = 0, m_Curseur = 0;
    EtatCube m_Fin;
    notation::Position m_Cube; // the solution's cube after the moves made
    int16_t m_FaceVue = 0;
};

// The mark of every line of the session's log, in order.
std::vector<relecture::Marque> MarquesDe(const ModeleSession& session);
// The solution since the last scramble or paste, held still, as "Copy solution" writes it.
relecture::Solution SolutionDepuisMelange(const ModeleSession& session);
