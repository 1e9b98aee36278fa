// The program's settings, in one file: QSettings() with the names set once at start (organisation
// "merlos", the application named after its desktop entry), which is
// ~/.config/merlos/io.github.merlos.Merlos.conf. Earlier versions left them in two files; they are
// merged into this one once, and the recent files live here too.
#pragma once

#include <QString>
#include <QStringList>

namespace reglages {

// The files earlier versions wrote, beside the one file: one under "Unknown Organization" (no
// organisation was named), and merlos/merlos.conf.
QStringList AnciensFichiers();

struct Fusion {
    QStringList lus;        // old files merged in, then removed
    int cles = 0;           // keys taken from them
    QString erreur;         // why nothing was removed, or empty
};
// Takes every key of the old files that the one file lacks (the one file wins; between two old
// files, the newer one), writes the one file, and only once it is written removes the old files
// merged. A file that cannot be read stays where it is; a write that fails leaves them all.
Fusion FusionnerAnciens();

// Open Recent: up to this many, most recent first.
inline constexpr int RecentsMax = 8;
// The recent files that still exist.
QStringList Recents();
// `chemin` becomes the most recent.
void AjouterRecent(const QString& chemin);

} // namespace reglages
