#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> s_Qt, s_Merlos;
QString s_Langue = QStringLiteral("en");

// The .qm files are built into the program by qt_add_translations.
const QString Dossier = QStringLiteral(":/merlos/i18n");

} // namespace

QString ChargerTraductions(const QLocale& langue)
{
    for (auto* t : {&s_Qt, &s_Merlos})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    s_Merlos = std::make_unique<QTranslator>();
    // English is the source language; its file only gives the plural forms of texts with a count.
    if (!s_Merlos->load(langue, QStringLiteral("merlos"), QStringLiteral("_"), Dossier))
        (void)s_Merlos->load(QStringLiteral("merlos_en"), Dossier);
    s_Langue = s_Merlos->language().section(QLatin1Char('_'), 0, 0);
    if (s_Langue.isEmpty())
        s_Langue = QStringLiteral("en");
    QCoreApplication::installTranslator(s_Merlos.get());
    if (s_Langue != QLatin1String("en")) {
        // Standard buttons and dialogs in the same language, where Qt ships it.
        s_Qt = std::make_unique<QTranslator>();
        if (s_Qt->load(QLocale(s_Langue), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(s_Qt.get());
        else
            s_Qt.reset();
    }
    return s_Langue;
}

QString LangueChoisie() { return s_Langue; }
