// Merlos: the window, its start-up step, and the message loop. Closing the window ends the program
// (Merlo::Form_Unload).
#include "Bureau.h"
#include "LigneCommande.h"
#include "Merlo.h"
#include "Traductions.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const std::optional<int> fin = RepondreSansFenetre(argc, argv))
        return *fin;
    QApplication app(argc, argv);
    PreparerApplication();
    ChargerTraductions();
    int fin = 0;
    const std::optional<Demande> demande = LireLigneCommande(QCoreApplication::arguments(), &fin);
    if (!demande)
        return fin;
    Merlo merlo;
    merlo.show();
    merlo.Form_Load();
    OuvrirAuDemarrage(merlo, demande->fichier);
    return app.exec();
}
