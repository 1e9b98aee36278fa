// One main() for every suite: a QApplication on the offscreen platform, then GoogleTest.
#include "Traductions.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Test discovery runs the binaries outside CTest's environment, so set the platform here too.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No test ever touches the user's registry: it lives in a fresh folder of this run.
    QTemporaryDir data;
    if (!getenv("MERLO_KEEP_XDG_DATA_HOME"))
        setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    // Nor the user's settings or recovery files, in this process or the programs it starts.
    setenv("XDG_CONFIG_HOME", (data.path() + QStringLiteral("/config")).toLocal8Bit().constData(), 1);
    setenv("XDG_STATE_HOME", (data.path() + QStringLiteral("/state")).toLocal8Bit().constData(), 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The suites read the program's English texts, whatever the machine's locale.
    ChargerTraductions(QLocale(QLocale::English));
    return RUN_ALL_TESTS();
}
