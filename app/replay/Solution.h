// One solution, two views: what "Copy solution" writes and what the replay steps through are made
// here, from the log's lines with their marks and the cube the log ends on. No widgets.
//
// Held still (the default), the log's whole-cube turns are no moves to make: they rename the faces
// of the moves after them, and each command's turns are merged as the copy writes them, so step k
// of the replay is move k of the copy. As written, every turn line is a step, whole-cube turns too.
#pragma once

#include "Etapes.h"
#include "Notation.h"
#include "Position.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace relecture {

enum class Tenue { Immobile, CommeEcrit };

// A move to make and the log lines of the first and last turns it came from.
struct Coup {
    notation::Move move;
    int premiere = 0, derniere = 0;
};

// What one run of one command made (or the lines by hand between two commands).
struct Partie {
    Marque marque;
    std::vector<Coup> coups;
    // The colours of the centres on top and in front at its start, the cube held as its moves say.
    int8_t haut = 0, devant = 2;
    int avant = 0;        // moves of the parts before it
    bool resolue = false; // every face one colour after it
};

struct Solution {
    int debut = 0;                // the log line it starts from
    std::vector<Partie> parties;  // the parts with moves, in order
    int coups = 0;
    notation::Position depart;    // the cube at its start, as the control then held it
};

// From the log's line `debut` (the start of a command's run) to its end. `fin` is the cube the log
// leaves, as it stands; the cube at the start is worked back from it through the log's turns.
Solution Resoudre(const QStringList& lignes, const std::vector<Marque>& marques, int debut,
                  const notation::Position& fin, Tenue tenue);

// "white on top, green in front"
QString Tenir(int haut, int devant);
// "FaceH (make the top face one colour)", "PA", "by hand".
QString Titre(const Partie& p);
// The part's place: "FaceH (1 of 5): make the top face one colour, step 2 of 57".
QString OuDansLaPartie(const Partie& p, int pas);
// "The cube is solved: 187 moves."
QString NoteResolu(int coups);

// What "Copy solution" writes: each part after its comment, "// FaceH (make the top face one
// colour): white on top, green in front", its moves on one line, and the note once the cube is
// solved. Pasted onto the cube the solution starts from, it makes the cube the log ends on.
QString Texte(const Solution& s);

} // namespace relecture
