// The help names every caption with what the table of captions says it means and with its key, in
// English and in French, so the help, the menus, the tooltips and the replay all say one thing.
#include "Aide.h"
#include "Legendes.h"
#include "TableCommandes.h"
#include "Traductions.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// The help's table rows, by their first cell: the other cells; the first row of a name counts.
std::map<QString, QStringList> Rows(const QString& help)
{
    std::map<QString, QStringList> rows;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("| ")) || !line.endsWith(QLatin1String(" |")))
            continue;
        QStringList cells = line.mid(1, line.size() - 2).split(QLatin1Char('|'));
        for (QString& c : cells)
            c = c.trimmed();
        const QString first = cells.takeFirst();
        rows.emplace(first, cells);
    }
    return rows;
}

// A key as the help writes it in English: Qt's portable name, Delete in full.
QString Written(const QKeySequence& k)
{
    return k.toString(QKeySequence::PortableText).replace(QRegularExpression(QStringLiteral("\\bDel$")), QStringLiteral("Delete"));
}

TEST(Captions, TheHelpGivesEveryCaptionItsMeaningAndItsKeyInBothLanguages)
{
    for (const char* locale : {"en_US", "fr_FR"}) {
        SCOPED_TRACE(locale);
        ChargerTraductions(QLocale(QString::fromLatin1(locale)));
        const bool fr = QLatin1String(locale).startsWith(QLatin1String("fr"));
        const std::map<QString, QStringList> rows = Rows(Aide::Texte());
        int checked = 0;
        for (const legendes::Legende& l : legendes::Toutes()) {
            const QString nom = legendes::Nom(l);
            SCOPED_TRACE(nom.toStdString());
            const auto row = rows.find(nom);
            ASSERT_NE(row, rows.end());
            ASSERT_EQ(row->second.size(), 2);
            EXPECT_EQ(row->second[0], legendes::Sens(l));
            QKeySequence key = TableCommandes::ToucheBouton(QString::fromLatin1(l.nom));
            if (key.isEmpty())
                key = QKeySequence::mnemonic(QString::fromUtf8(l.legende));
            QString written = row->second[1];
            if (fr)
                written.replace(QStringLiteral("Maj+"), QStringLiteral("Shift+")).replace(QStringLiteral("Suppr"), QStringLiteral("Delete"));
            EXPECT_EQ(written, Written(key));
            ++checked;
        }
        EXPECT_EQ(checked, 22);
        // What misleads is said: the bottom face, the middle layer E, the macro that is no B turn.
        EXPECT_NE(legendes::Nom(*legendes::De(u"Face B")), QStringLiteral("Face B"));
        EXPECT_NE(legendes::Nom(*legendes::De(u"B")), QStringLiteral("B"));
        EXPECT_TRUE(legendes::Sens(*legendes::De(u"Zone M")).contains(QStringLiteral("(E ")));
    }
    ChargerTraductions(QLocale(QLocale::English));
}

} // namespace
