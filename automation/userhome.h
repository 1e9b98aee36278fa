// This user's home folder, never the root of the file system. With HOME unset, QDir::homePath() is
// "/", and every file meant for a home would land at the root: settings in /.config, the registry in
// /.local/share. Here a home is $HOME when it names a folder other than "/", else the account's home
// from the system's user database, else nothing at all.
#pragma once

#include <QString>

// Empty when neither HOME nor the account gives a home.
QString AccountHome();
// Whether $HOME itself is usable, as AccountHome() judges it.
bool HomeVariableUsable();

// $VARIABLE when it is an absolute path (relative values are invalid by the XDG rules), else
// AccountHome() + "/" + fallback ("XDG_DATA_HOME", ".local/share"); empty when there is no home.
QString XdgBaseDir(const char* variable, const char* fallback);
