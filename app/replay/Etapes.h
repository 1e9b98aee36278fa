// What the log's lines and their marks say: which lines are turns, which command wrote each run of
// lines, what a command and a turn are in words. No widgets.
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

// The command as the window's buttons name it ("FaceH" for "RangerHaut"), or what it is when it
// is no button ("Scramble", "by hand" for no command at all).
QString Nom(const QString& commande);
// What a stage or a macro does ("make the top face one colour"); empty for any other command.
QString But(const QString& commande);
// The first line after the last scramble or paste, or 0 when there was none: where a solution starts.
int DebutDepuisMelange(const std::vector<Tranche>& tranches);

// "right face, half turn" for a half turn, else as Mots() of its quarter turn.
QString Mots(const notation::Move& m);

} // namespace relecture
