// Merlos: the window, its start-up step, and the message loop. Closing the window ends the program
// (Merlo::Form_Unload).
#include "Bureau.h"
#include "Merlo.h"
#include "Traductions.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PreparerApplication();
    ChargerTraductions();
    Merlo merlo;
    merlo.show();
    merlo.Form_Load();
    return app.exec();
}
