// The cube's position read and set through the control's interface, by its dispatch numbers like
// every other call of the window.
#pragma once

#include "EtatSession.h"
#include "Position.h"

class CUBEDriver;
class ModeleSession;

// The cube as it stands, square by square in the format's order.
notation::Position LirePosition(CUBEDriver& cube);
notation::Position PositionDe(const EtatCube& cube);

// Gives the cube a position, held white up and green in front, and paints it. Like a new cube, its
// log is then empty and the counter shows 0: the log tells the turns made from this position on.
void PoserPosition(ModeleSession& session, const notation::Position& p);
