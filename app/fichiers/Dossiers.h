// Where the program keeps a person's files, settled once at start. With HOME unset (a service, a
// bare `env -i`), Qt takes the root of the file system for the home folder; here the account's home
// from the system takes its place, or, without one, nothing outlives the run.
#pragma once

#include <QString>

namespace dossiers {

// Before the application object: with a usable HOME nothing changes. Otherwise the account's home
// becomes HOME for the whole process and what it starts (Qt's paths, the solver's cache, the
// registration tool); without one, settings last for the run, in memory, and no recovery file is
// written.
void Preparer();
// What Preparer() decided, as one line for standard error, in the user's language; empty when HOME
// was usable. Said once, after the translations are loaded.
QString Avis();
// The recovery files' folder, $XDG_STATE_HOME/merlos (~/.local/state/merlos); empty when nothing
// is kept.
QString Etat();

} // namespace dossiers
