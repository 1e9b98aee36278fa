#include "Bureau.h"

#include "MerlosVersion.h"

#include <QApplication>
#include <QDir>

QIcon IconeMerlos()
{
    static const QIcon icone = [] {
        QIcon i;
        const QDir dossier(QStringLiteral(":/merlos/icons"));
        for (const QString& png : dossier.entryList({QStringLiteral("*.png")}, QDir::Files))
            i.addFile(dossier.filePath(png));
        return i;
    }();
    return icone;
}

void PreparerApplication()
{
    // Every QSettings() is then the one file merlos/<application name>.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("merlos"));
    // On X11 the class of WM_CLASS is the application's name.
    QCoreApplication::setApplicationName(QString::fromLatin1(MerlosId));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(MerlosVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(MerlosId));
    QApplication::setWindowIcon(IconeMerlos());
}
