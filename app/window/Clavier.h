// The window's keys beyond the table of commands: the log's own keys for removing a line, and an
// order of Tab that goes round the cube, then the stages, the log with its buttons, and the macros.
#pragma once

#include <QStringList>

class QAbstractItemView;
class QAction;
class QWidget;

// Delete and Backspace on `journal` trigger `supprimer`, before the list takes them for its search;
// Tab goes through the window's controls in OrdreTabulation().
void InstallerClavier(QWidget& fenetre, QAbstractItemView* journal, QAction* supprimer);

// The objectNames of the window's controls in the order Tab reaches them.
QStringList OrdreTabulation();
