// The main() of the benchmarks that need Qt's widgets or pictures: the offscreen platform unless one
// is set, then Google Benchmark as usual. The application goes with main's scope, after the runs.
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A window a benchmark makes keeps its work for recovery and its recent files: never in the
    // user's folders, where the next Merlos would offer them.
    QTemporaryDir dossiers;
    setenv("XDG_STATE_HOME", (dossiers.path() + QStringLiteral("/state")).toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (dossiers.path() + QStringLiteral("/config")).toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
