// About Merlos: name, version, licence, the Qt it runs on and the control module it loaded.
#pragma once

class QDialog;
class QString;
class QWidget;

// Opens the About dialog over `parent`'s window and returns it at once; it deletes itself when closed.
QDialog* MontrerAPropos(QWidget* parent);

// The facts the dialog shows, one per line, as plain text.
QString TexteAPropos();
