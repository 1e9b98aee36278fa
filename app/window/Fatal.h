// The program catches no errors: a failure shows a message naming it, and the program ends.
#pragma once

#include "com.h"

#include <QString>

// "DISP_E_TYPEMISMATCH (0x80020005)", or the number alone for a code without a name.
QString HResultText(HRESULT hr);

// Shows `message` and ends the program with exit code 1. On a platform without a screen
// (offscreen, minimal) the message goes to standard error only, since nobody could close a box.
[[noreturn]] void Fatal(const QString& message);
