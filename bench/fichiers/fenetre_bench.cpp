// Save and Open of a 100,000-line session as the window does them, from the File menu's commands to
// the log shown: the session read from the control and its lines, written aside and renamed; the
// file read, checked and put back on the control, the log and its list.
#include "ControleurFichiers.h"
#include "DocumentSession.h"
#include "FichiersSession.h"
#include "Merlo.h"
#include "session_longue.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Fenetre {
    QTemporaryDir dossier;
    QString fichier = dossier.filePath(QStringLiteral("longue.merlos"));
    std::unique_ptr<Merlo> w = std::make_unique<Merlo>();
    Fenetre()
    {
        document::Enregistrer(fichier, SessionLongue(100'000));
        w->show();
        QCoreApplication::processEvents();
    }
    ControleurFichiers& C() { return w->Fichiers().Controleur(); }
};

void OpenInTheWindow(benchmark::State& state)
{
    Fenetre f;
    for (auto _ : state) {
        if (!f.C().Ouvrir(f.fichier, true))
            state.SkipWithError("the session was not opened");
        // Until the list has shown the log.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(OpenInTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void SaveFromTheWindow(benchmark::State& state)
{
    Fenetre f;
    f.C().Ouvrir(f.fichier, true);
    const QString autre = f.dossier.filePath(QStringLiteral("copie.merlos"));
    for (auto _ : state)
        if (!f.C().EnregistrerSous(autre))
            state.SkipWithError("the session was not saved");
}
BENCHMARK(SaveFromTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
