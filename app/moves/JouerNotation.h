// Moves in cube notation played on the session: every quarter turn as the button that makes it,
// so the log and the counter are the buttons' own.
#pragma once

#include "Notation.h"

#include <functional>
#include <vector>

class ModeleSession;

// Plays `tours` in order. A long list calls `ceder` now and then, as the stages yield, so the
// window repaints and takes clicks; a command started then runs in the middle, as it would in a
// stage.
void JouerTours(ModeleSession& session, const std::vector<notation::Turn>& tours, const std::function<void()>& ceder);
