#include "Dossiers.h"

#include "userhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace dossiers {

namespace {

enum class Cas { HomeUtilisable, DuCompte, Aucun };
Cas g_Cas = Cas::HomeUtilisable;
QString g_Home;
bool g_ConfigSansHome = false, g_EtatSansHome = false;

// Settings of a run without a home go under a path no one can make, not even root (/dev/null is no
// folder): QSettings keeps them in memory for the run, and every write fails without a trace.
constexpr char Nulle[] = "/dev/null/merlos";

bool XdgUtilisable(const char* variable)
{
    const QString v = qEnvironmentVariable(variable);
    return !v.isEmpty() && QDir::isAbsolutePath(v);
}

} // namespace

void Preparer()
{
    if (HomeVariableUsable())
        return;
    g_Home = AccountHome();
    if (!g_Home.isEmpty()) {
        g_Cas = Cas::DuCompte;
        qputenv("HOME", QFile::encodeName(g_Home));
        return;
    }
    g_Cas = Cas::Aucun;
    g_ConfigSansHome = !XdgUtilisable("XDG_CONFIG_HOME");
    g_EtatSansHome = !XdgUtilisable("XDG_STATE_HOME");
    if (g_ConfigSansHome)
        for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(f, QSettings::UserScope, QLatin1String(Nulle));
}

QString Avis()
{
    switch (g_Cas) {
    case Cas::HomeUtilisable:
        return {};
    case Cas::DuCompte:
        return QCoreApplication::translate("Dossiers", "HOME is not set; settings and recovered work are kept under %1, this account's home folder.")
            .arg(g_Home);
    case Cas::Aucun:
        if (g_ConfigSansHome && g_EtatSansHome)
            return QCoreApplication::translate("Dossiers", "HOME is not set and this account has no home folder; settings last for this run only and no work is kept for recovery.");
        if (g_ConfigSansHome)
            return QCoreApplication::translate("Dossiers", "HOME is not set and this account has no home folder; settings last for this run only.");
        if (g_EtatSansHome)
            return QCoreApplication::translate("Dossiers", "HOME is not set and this account has no home folder; no work is kept for recovery.");
        return {};
    }
    return {};
}

QString Etat()
{
    const QString base = XdgBaseDir("XDG_STATE_HOME", ".local/state");
    return base.isEmpty() ? QString() : base + QStringLiteral("/merlos");
}

} // namespace dossiers
