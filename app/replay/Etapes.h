// What a replay of the log needs to know, worked out from the log's lines and their marks alone:
// which lines are turns, which command wrote each run of lines, what a turn means in words, and the
// solution since the last scramble or paste, one part per command. No widgets.
#pragma once

#include "Notation.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace relecture {

// Which command wrote a line (see Marques.h); an empty command for a line no command marked.
struct Marque {
    QString commande;
    qint64 serie = 0;
    bool operator==(const Marque&) const = default;
};

// One turn of the log: the line that records it.
struct Pas {
    int ligne;
    notation::Turn tour;
};
// The log's turns in order; separators and any other line are passed over.
std::vector<Pas> PasDuJournal(const QStringList& lignes);

// A run of lines [debut, fin) that one run of one command wrote, or that no command marked.
struct Tranche {
    Marque marque;
    int debut = 0, fin = 0;
    int tours = 0; // turn lines among them
};
// Every line in exactly one run, in order. `marques` has one entry per line.
std::vector<Tranche> Tranches(const QStringList& lignes, const std::vector<Marque>& marques);

// The stage a command is, 1 to 5 in the order they are pressed, or 0 for anything else. Commands are
// known by their button's caption or name ("Zone M" or "RangerM").
int RangEtape(const QString& commande);

// "right face, anticlockwise"; "whole cube, front to the left".
QString Mots(notation::Turn t);

// What the run holding `ligne` is and how far into it that line is:
// "FaceH (1 of 5): make the top face one colour, step 12 of 57". Empty for lines no command marked.
QString OuDansLaTranche(const std::vector<Tranche>& tranches, const QStringList& lignes, int ligne);

// What was done since the cube was last scrambled or pasted (the whole log when it never was),
// simplified, one part a line, each after a comment naming the command that made it:
// "// FaceH\nR U R' ...". Pasted onto the cube as it was then, it gives the same cube.
struct Solution {
    QString texte;
    int coups = 0;  // moves, a half turn counting one
    int parties = 0;
};
Solution SolutionDepuisMelange(const QStringList& lignes, const std::vector<Marque>& marques);

} // namespace relecture
