#include "userhome.h"

#include <QDir>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {

bool Usable(const QString& dir) { return !dir.isEmpty() && QDir::isAbsolutePath(dir) && QDir::cleanPath(dir) != QLatin1String("/"); }

QString FromAccount()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
}

} // namespace

bool HomeVariableUsable() { return Usable(qEnvironmentVariable("HOME")); }

QString AccountHome()
{
    if (HomeVariableUsable())
        return QDir::cleanPath(qEnvironmentVariable("HOME"));
    const QString account = FromAccount();
    return Usable(account) ? QDir::cleanPath(account) : QString();
}

QString XdgBaseDir(const char* variable, const char* fallback)
{
    const QString set = qEnvironmentVariable(variable);
    if (!set.isEmpty() && QDir::isAbsolutePath(set))
        return QDir::cleanPath(set);
    const QString home = AccountHome();
    return home.isEmpty() ? QString() : QDir::cleanPath(home + QLatin1Char('/') + QLatin1String(fallback));
}
