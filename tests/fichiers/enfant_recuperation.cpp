// A Merlos stand-in for the recovery tests: keeps the random session of seed argv[2] for recovery
// in folder argv[1], says "ecrit" once it is written, and runs until it is killed.
#include "Recuperation.h"
#include "session_aleatoire.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    std::mt19937 rng(static_cast<unsigned>(std::atoi(argv[2])));
    const EtatSession etat = fichierstest::SessionAleatoire(rng);
    Recuperation r(QString::fromLocal8Bit(argv[1]), [&] { return etat; });
    QObject::connect(&r, &Recuperation::Ecrit, [] {
        std::puts("ecrit");
        std::fflush(stdout);
    });
    r.Modifie();
    return app.exec();
}
