// Merlos: the window, its start-up step, and the message loop. Closing the window ends the program
// (Merlo::Form_Unload).
#include "Bureau.h"
#include "Dossiers.h"
#include "LigneCommande.h"
#include "Merlo.h"
#include "Reglages.h"
#include "Traductions.h"

#include <QApplication>

#include <cstdio>

static void Dire(const QString& ligne)
{
    if (!ligne.isEmpty())
        std::fprintf(stderr, "Merlos: %s\n", ligne.toLocal8Bit().constData());
}

int main(int argc, char** argv)
{
    if (const std::optional<int> fin = RepondreSansFenetre(argc, argv))
        return *fin;
    // Before anything reads HOME: with it unset Qt would keep files at the root of the file system.
    dossiers::Preparer();
    QApplication app(argc, argv);
    PreparerApplication();
    ChargerTraductions();
    int fin = 0;
    const std::optional<Demande> demande = LireLigneCommande(QCoreApplication::arguments(), &fin);
    if (!demande)
        return fin;
    Dire(dossiers::Avis());
    // The settings earlier versions split over two files come into the one file, once.
    Dire(reglages::FusionnerAnciens().erreur);
    Merlo merlo;
    merlo.show();
    merlo.Form_Load();
    merlo.Demarrer(demande->fichier);
    return app.exec();
}
