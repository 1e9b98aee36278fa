#include "Dossiers.h"

#include "userhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace dossiers {

namespace {

enum class Cas { HomeUtilisable, DuCompte, Aucun };
Cas g_Cas = Cas::HomeUtilisable;
QString g_Home;
bool g_ConfigSansHome = false, g_EtatSansHome = false;

// The settings of a run without a home: removed when the program ends.
std::unique_ptr<QTemporaryDir>& Passager()
{
    static std::unique_ptr<QTemporaryDir> dossier;
    return dossier;
}

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
    if (g_ConfigSansHome) {
        Passager() = std::make_unique<QTemporaryDir>();
        if (Passager()->isValid())
            for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
                QSettings::setPath(f, QSettings::UserScope, Passager()->path());
    }
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
