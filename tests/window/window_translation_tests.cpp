// One language at a time: under French every window the program shows (the main window, the
// editor, the moves dialog, a notice, the help, About, the menu bar, the replay) shows no English text of ours, and under
// English no French one; only the captions and log lines, which every language keeps, are the same.
// Plurals read right at 0, 1 and 2 in both languages.
#include "window_support.h"

#include "APropos.h"
#include "Aide.h"
#include "EditeurCouleurs.h"
#include "SaisieMouvements.h"
#include "Traductions.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include <QTest>

#include <algorithm>
#include <set>

namespace {

struct Entry {
    QString context, source;
    QStringList translations; // one, or the plural forms
    bool numerus = false;
};

std::vector<Entry> ReadTs(const QString& path)
{
    std::vector<Entry> entries;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&f);
    QString context;
    Entry e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            e = Entry{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
        else if (xml.name() == u"source")
            e.source = xml.readElementText();
        else if (xml.name() == u"translation" && !e.numerus) {
            e.translations << xml.readElementText();
            entries.push_back(e);
        } else if (xml.name() == u"numerusform") {
            e.translations << xml.readElementText();
            if (e.translations.size() == 2)
                entries.push_back(e);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// A text made from a source: its %1, %n... stand for anything.
QRegularExpression Pattern(const QString& source)
{
    QString p = QRegularExpression::escape(source);
    p.replace(QRegularExpression(QStringLiteral("%(\\d|n)")), QStringLiteral(".*"));
    return QRegularExpression(QStringLiteral("\\A") + p + QStringLiteral("\\z"),
                              QRegularExpression::DotMatchesEverythingOption);
}

// Words that only one of the two languages writes (the kept texts have none of them).
const QRegularExpression English(QStringLiteral("\\b(the|and|of|with|to|is|Turn|Undo|Copy|Paste|Help|Close|Find|Next)\\b"));
const QRegularExpression French(QStringLiteral("\\b(le|la|les|des|du|une|est|pour|avec|Tourner|Annuler|Fermer|Aide)\\b"));

// Every text a person reads on `root` and in it, but the kept ones: the window's own captions (its
// buttons' and options' texts), the log's lines, the title the window has always had, the licence.
QStringList Texts(QWidget* root, bool captions = false)
{
    QStringList texts;
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* c : all) {
        if (c->objectName() == QLatin1String("AProposLicence"))
            continue; // the licence's own words
        const bool kept = captions && c != root;
        if (c->isWindow())
            texts << c->windowTitle();
        texts << c->toolTip() << c->accessibleName() << c->accessibleDescription();
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && !kept)
            texts << b->text();
        if (auto* l = qobject_cast<QLabel*>(c))
            texts << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(c))
            texts << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(c))
            texts << e->placeholderText();
        if (auto* t = qobject_cast<QTextBrowser*>(c))
            texts << t->toPlainText();
        if (auto* l = qobject_cast<QListWidget*>(c); l && l->objectName() != QLatin1String("List1"))
            for (int i = 0; i < l->count(); ++i)
                texts << l->item(i)->text();
    }
    texts.removeAll(QStringLiteral("MERLO's"));
    texts.removeAll(QString());
    return texts;
}

// What the menu bar shows: its menus' titles, their entries' texts, tooltips and status tips, and
// the submenus', as deep as they go.
QStringList MenuTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* a : actions) {
        if (a->isSeparator())
            continue;
        texts << a->text() << a->toolTip() << a->statusTip();
        if (a->menu())
            texts << a->menu()->title() << MenuTexts(a->menu()->actions());
    }
    texts.removeAll(QString());
    return texts;
}

class Translation : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        const QLocale locale(QString::fromLatin1(GetParam()));
        ASSERT_EQ(ChargerTraductions(locale), QLatin1String(GetParam()).left(2));
        entries = ReadTs(QStringLiteral(MERLO_SOURCE_DIR "/translations/merlos_fr.ts"));
        english = ReadTs(QStringLiteral(MERLO_SOURCE_DIR "/translations/merlos_en.ts"));
        w = std::make_unique<Merlo>();
    }
    void TearDown() override
    {
        w.reset();
        ChargerTraductions(QLocale(QLocale::English));
    }
    bool Fr() const { return QLatin1String(GetParam()).startsWith(QLatin1String("fr")); }

    // Every window the program shows, opened as the user opens it.
    QStringList AllTexts()
    {
        w->show();
        w->findChild<QPushButton*>(QStringLiteral("Melange"))->click();
        w->findChild<QPushButton*>(QStringLiteral("IdC"))->click(); // out of order: a notice says why
        QStringList texts = Texts(w.get(), true);
        w->findChild<QAction*>(QStringLiteral("EntrerCouleurs"))->trigger();
        auto* editeur = w->findChild<EditeurCouleurs*>();
        EXPECT_NE(editeur, nullptr);
        texts << Texts(editeur);
        w->findChild<QAction*>(QStringLiteral("SaisirMouvements"))->trigger();
        auto* saisie = w->findChild<SaisieMouvements*>();
        EXPECT_NE(saisie, nullptr);
        texts << Texts(saisie);
        Aide* aide = MontrerAide(w.get());
        texts << Texts(aide);
        texts << Texts(MontrerAPropos(w.get()));
        auto* bar = w->findChild<QMenuBar*>(QStringLiteral("Menus"));
        EXPECT_NE(bar, nullptr);
        const QStringList menus = bar ? MenuTexts(bar->actions()) : QStringList();
        EXPECT_GT(menus.size(), 60);
        texts << menus;
        // The replay's panel, with its next move in words and where it stands.
        auto* rejouer = w->findChild<QAction*>(QStringLiteral("Rejouer"));
        EXPECT_NE(rejouer, nullptr);
        if (rejouer) {
            w->activateWindow();
            rejouer->trigger();
            auto* cadre = w->findChild<QWidget*>(QStringLiteral("RelectureCadre"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return cadre && cadre->isVisible(); }, 10000));
            texts << Texts(w.get(), true);
        }
        return texts;
    }

    std::vector<Entry> entries, english;
    std::unique_ptr<Merlo> w;
};

TEST_P(Translation, NoWindowShowsATextOfTheOtherLanguage)
{
    const QStringList texts = AllTexts();
    ASSERT_GT(texts.size(), 150);
    // The other language's texts: English sources under French, French translations under English,
    // where the two differ (a few words, "Orange", "Macro Ar", are the same in both).
    std::vector<QRegularExpression> other;
    for (const Entry& e : entries)
        for (const QString& t : e.translations)
            if (t != e.source)
                other.push_back(Pattern(Fr() ? e.source : t));
    ASSERT_GT(other.size(), 200u);
    const QRegularExpression& words = Fr() ? English : French;
    int checked = 0;
    for (const QString& text : texts) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            EXPECT_FALSE(words.match(line).hasMatch()) << GetParam() << ": " << line.toStdString();
            ++checked;
        }
        for (const QRegularExpression& p : other)
            EXPECT_FALSE(p.match(text).hasMatch()) << GetParam() << ": \"" << text.toStdString() << "\" is the other language's "
                                                   << p.pattern().toStdString();
    }
    EXPECT_GT(checked, 300);
}

TEST_P(Translation, EveryCountReadsRightAtZeroOneAndTwo)
{
    int plurals = 0;
    for (const Entry& e : entries) {
        if (!e.numerus)
            continue;
        ++plurals;
        const QByteArray context = e.context.toUtf8(), source = e.source.toUtf8();
        QStringList shown;
        for (int n : {0, 1, 2}) {
            shown << QCoreApplication::translate(context.constData(), source.constData(), nullptr, n);
            EXPECT_FALSE(shown.back().contains(QLatin1String("(s)"))) << shown.back().toStdString();
            EXPECT_TRUE(shown.back().contains(QString::number(n))) << shown.back().toStdString();
        }
        // One thing and two things read differently, but where a language says both alike ("2 fois",
        // "2 more", "2 ms"); French counts none as one, English as many.
        const auto en = std::find_if(english.begin(), english.end(),
                                     [&](const Entry& x) { return x.context == e.context && x.source == e.source; });
        EXPECT_NE(en, english.end()) << source.constData();
        const Entry& mine = Fr() || en == english.end() ? e : *en;
        const bool differ = mine.translations[0] != mine.translations[1];
        if (differ) {
            EXPECT_NE(QString(shown[1]).replace(QLatin1Char('1'), QLatin1Char('2')), shown[2]) << shown[1].toStdString();
            EXPECT_EQ(QString(shown[0]).replace(QLatin1Char('0'), QLatin1Char('2')) == shown[2], !Fr()) << shown[0].toStdString();
        }
    }
    EXPECT_EQ(plurals, 20);
    const char* moves = Fr() ? "0 coup|1 coup|2 coups" : "0 moves|1 move|2 moves";
    QStringList three;
    for (int n : {0, 1, 2})
        three << QCoreApplication::translate("MenuJournal", "%n move(s)", nullptr, n);
    EXPECT_EQ(three.join(QLatin1Char('|')), QLatin1String(moves));
}

INSTANTIATE_TEST_SUITE_P(Locales, Translation, testing::Values("fr_FR", "en_US"));

TEST(TranslationChoice, FrenchWhenTheLocaleAsksForItEnglishOtherwise)
{
    EXPECT_EQ(ChargerTraductions(QLocale(QStringLiteral("fr_CA"))), "fr");
    EXPECT_EQ(QCoreApplication::translate("Merlo", "Move log"), QString::fromUtf8("Journal des coups"));
    EXPECT_TRUE(Aide::Texte().startsWith(QLatin1String("# Aide de Merlos")));
    for (const char* other : {"de_DE", "en_GB", "C"}) {
        EXPECT_EQ(ChargerTraductions(QLocale(QString::fromLatin1(other))), "en") << other;
        EXPECT_EQ(QCoreApplication::translate("Merlo", "Move log"), QLatin1String("Move log"));
        EXPECT_EQ(QCoreApplication::translate("MenuJournal", "%n move(s)", nullptr, 1), QLatin1String("1 move")) << other;
        EXPECT_TRUE(Aide::Texte().startsWith(QLatin1String("# Merlos Help")));
    }
}

} // namespace
