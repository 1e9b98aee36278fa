// Where a replay of the log stands, without any widget: the log's turns, the first one replayed,
// how many are made, and the cube kept in step with them through the session, which turns it as the
// turns' buttons do but writes no line. Starting takes the cube back to before the first turn
// replayed; ending brings it to the end of the log again, held as it was.
#pragma once

#include "Etapes.h"
#include "Notation.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class ModeleSession;

class CurseurRelecture {
public:
    explicit CurseurRelecture(ModeleSession& session) : m_S(session) {}

    enum class Depart { Pret, AucunTour, AucunTourIci };
    // From the log's line `ligne` on (the first turn at or after it).
    Depart Commencer(int ligne);
    bool EnCours() const { return m_EnCours; }

    // One turn forwards or back: the turn the control has just made, or nothing at either end.
    std::optional<notation::Turn> Avancer();
    std::optional<notation::Turn> Reculer();
    // To `curseur` turns made, turning through every one between.
    void Aller(int curseur);
    // The cube back to the end of the log, FaceVue as it was, and the replay over.
    void Terminer();
    // Over without touching the cube, which is going away with its window.
    void Abandonner();

    // Turns made, of all the log's turns; the first turn replayed; how many the log holds.
    int Faits() const { return m_Curseur; }
    int Premier() const { return m_Debut; }
    int Total() const { return static_cast<int>(m_Pas.size()); }
    // The log line of the last turn made, or -1; of the next one, or -1 at the end.
    int LigneFaite() const;
    int LigneSuivante() const;
    std::optional<notation::Turn> Suivant() const;

    const QStringList& Lignes() const { return m_Lignes; }
    const std::vector<relecture::Tranche>& Tranches() const { return m_Tranches; }

private:
    ModeleSession& m_S;
    bool m_EnCours = false;
    std::vector<relecture::Pas> m_Pas;
    std::vector<relecture::Tranche> m_Tranches;
    QStringList m_Lignes;
    int m_Debut = 0, m_Curseur = 0;
    int16_t m_FaceVue = 0;
};

// The mark of every line of the session's log, in order.
std::vector<relecture::Marque> MarquesDe(const ModeleSession& session);
