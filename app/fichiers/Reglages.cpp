#include "Reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace reglages {

namespace {

const QString CleRecents = QStringLiteral("fichiers/recents");

// The folder QSettings keeps this user's files in (~/.config), as the one file's path tells.
QDir Racine()
{
    QDir d = QFileInfo(QSettings().fileName()).dir();
    d.cdUp();
    return d;
}

} // namespace

QStringList AnciensFichiers()
{
    const QDir racine = Racine();
    return {racine.filePath(QStringLiteral("Unknown Organization/") + QCoreApplication::applicationName() + QStringLiteral(".conf")),
            racine.filePath(QStringLiteral("merlos/merlos.conf"))};
}

Fusion FusionnerAnciens()
{
    Fusion f;
    QSettings un;
    const QString unFichier = QFileInfo(un.fileName()).absoluteFilePath();
    QList<QFileInfo> anciens;
    for (const QString& chemin : AnciensFichiers())
        if (const QFileInfo i(chemin); i.isFile() && i.absoluteFilePath() != unFichier)
            anciens << i;
    if (anciens.isEmpty())
        return f;
    std::sort(anciens.begin(), anciens.end(), [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    for (const QFileInfo& i : anciens) {
        QSettings ancien(i.absoluteFilePath(), QSettings::IniFormat);
        if (ancien.status() != QSettings::NoError) {
            f.erreur = QCoreApplication::translate("Reglages", "the old settings file %1 cannot be read").arg(i.absoluteFilePath());
            continue;
        }
        for (const QString& cle : ancien.allKeys())
            if (!un.contains(cle)) {
                un.setValue(cle, ancien.value(cle));
                ++f.cles;
            }
        f.lus << i.absoluteFilePath();
    }
    un.sync();
    if (un.status() != QSettings::NoError) {
        f.erreur = QCoreApplication::translate("Reglages", "the settings file %1 cannot be written").arg(unFichier);
        f.lus.clear();
        return f;
    }
    for (const QString& lu : std::as_const(f.lus)) {
        QFile::remove(lu);
        QDir().rmdir(QFileInfo(lu).absolutePath()); // only when it is left empty
    }
    return f;
}

QStringList Recents()
{
    QStringList r;
    for (const QString& chemin : QSettings().value(CleRecents).toStringList())
        if (QFileInfo(chemin).isFile())
            r << chemin;
    return r;
}

void AjouterRecent(const QString& chemin)
{
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    QSettings s;
    QStringList r = s.value(CleRecents).toStringList();
    r.removeAll(absolu);
    r.prepend(absolu);
    while (r.size() > RecentsMax)
        r.removeLast();
    s.setValue(CleRecents, r);
}

} // namespace reglages
