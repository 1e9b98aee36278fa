// The window's keys beyond the cube's letters and the table of commands: removing a log line, and
// an order of Tab that goes round the cube, then the stages, the log with its buttons, and the macros.
#pragma once

#include <QStringList>

class Merlo;

void InstallerClavier(Merlo& fenetre);

// The objectNames of the window's controls in the order Tab reaches them.
QStringList OrdreTabulation();
