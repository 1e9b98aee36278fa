// The program's command line, `Merlos [FILE]`: --help and --version answered on standard output,
// bad usage on standard error, each before any window or the registration tool.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Answers --help and --version written out in full with a QCoreApplication of its own, before the
// QApplication exists, so that they need no display. The exit status when the program ends here.
std::optional<int> RepondreSansFenetre(int argc, char** argv);

// What the command line asks of the program once it runs: the FILE to open (empty for none).
struct Demande {
    QString fichier;
};

// Reads `arguments` (the application's, Qt's own options taken out). Help, version and bad usage
// end the program: the exit status is then in `fin`.
std::optional<Demande> LireLigneCommande(const QStringList& arguments, int* fin);
