// A session written down: the `*.merlos` document that Save, Open and the recovery file share. It is
// JSON a person can read: the format's name and version, the cube as the control holds it, the layer
// choices, the counter, the chosen line, the log's lines one a line, and the marks of the commands
// that wrote them as runs of lines. Reading trusts nothing in the bytes: whatever the file holds,
// the answer is a session the window could have been in, or a sentence saying what is wrong.
// Qt Core only.
#pragma once

#include "EtatSession.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>

namespace document {

inline constexpr char Format[] = "merlos-session";
inline constexpr int Version = 1;
// Files above this are refused before a byte is read. A session of a million log lines written by
// stages and macros takes 38 MB.
inline constexpr qint64 TailleMax = 128ll * 1024 * 1024;

struct Lu {
    std::optional<EtatSession> etat;
    // The file the session had when it was kept for recovery; empty for a saved session.
    QString fichier;
    // What is wrong, as the end of a sentence ("is empty", "line 3 of the log, …"); empty when read.
    QString erreur;
    explicit operator bool() const { return etat.has_value(); }
};

// The document's bytes. `fichier` is written only for a recovery file.
QByteArray Ecrire(const EtatSession& etat, const QString& fichier = {});
// The session in `octets`, checked as a whole: nothing of it is returned unless all of it holds.
Lu Lire(const QByteArray& octets);

// Writes the session aside, then renames it over `chemin`: a crash leaves the old file or the new
// one, never half of one. Empty when saved, else a sentence naming the file and the cause. When
// `annule` turns true before the end, nothing is written and the answer is empty.
QString Enregistrer(const QString& chemin, const EtatSession& etat, const QString& fichier = {},
                    const std::atomic<bool>* annule = nullptr);
// Reads `chemin` (only a regular file, refused by size before it is read); the error is a sentence
// naming the file.
Lu Ouvrir(const QString& chemin);

// The cube's own checks: a permutation of faces a real cube can be held in, colours 0 to 5, and a
// cube a real one can be (every colour on nine squares, real pieces, no twisted corner, flipped edge
// or two pieces swapped). Empty when it can be, else why not.
QString DefautCube(const EtatCube& cube);

} // namespace document
