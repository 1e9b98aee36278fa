// Moves in cube notation played on the window: every quarter turn through the command of the button
// that makes it, so the log and the counter are the buttons' own.
#pragma once

#include "Notation.h"

#include <QStringList>

#include <vector>

class Merlo;

// Plays `tours` in order. A long list lets the window repaint and take clicks now and then, as the
// stages do; a command started then runs in the middle, as it would in a stage.
void JouerTours(Merlo& w, const std::vector<notation::Turn>& tours);

// The log's lines, oldest first.
QStringList LignesJournal(const Merlo& w);
