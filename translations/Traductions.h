// The program's texts in the user's language: French when the locale asks for it, English otherwise.
#pragma once

#include <QLocale>
#include <QString>

// Installs Qt's own translations and the program's for `langue`, in place of any installed before;
// a language without a translation gets English. Returns the language now shown ("fr", "en").
QString ChargerTraductions(const QLocale& langue = QLocale::system());

// The language ChargerTraductions chose ("en" before it is called): the help is read in it.
QString LangueChoisie();
