// What a log line carries beside its text: which command wrote it, as the log's item model gives it
// (ModeleJournal). The marks live on the session's lines, never in their text (the stages, "Inv"
// and "I" read the text), so a line removed or cleared takes its mark with it, and whatever brings
// a line back (Undo) brings its mark back too.
#pragma once

#include <Qt>

namespace marques {

// QString: the kind of command that wrote the line, as its button or command is named ("FaceH",
// "Melange", "Ar", "Coller", "Court"); no mark for a line a single arrow or whole-cube turn wrote.
constexpr int RoleCommande = Qt::UserRole + 1;
// qint64: which run of that command, counted up for the whole life of the window, so two runs of
// one stage in a row are told apart.
constexpr int RoleSerie = Qt::UserRole + 2;

} // namespace marques
