// The cube's position read and set through the control's interface, by its dispatch numbers like
// every other call of the window.
#pragma once

#include "Position.h"

class Merlo;

// The cube as it stands, square by square in the format's order.
notation::Position LirePosition(Merlo& w);

// Gives the cube a position, held white up and green in front, and paints it. Like a new cube, its
// log is then empty and the counter shows 0: the log tells the turns made from this position on.
void PoserPosition(Merlo& w, const notation::Position& p);
