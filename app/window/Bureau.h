// The program on the desktop: the names a desktop matches the window by, and the icon.
#pragma once

#include <QIcon>

// The program's icon at every size it was rendered at.
QIcon IconeMerlos();

// Names the application before its first window: its class (WM_CLASS on X11, the app id on
// Wayland) is the name of its desktop entry, so a dock finds the entry of the running window. The
// organisation's name makes QSettings() the program's one settings file.
void PreparerApplication();
