// The one settings file and the File menu: old settings merged without losing any, recent files,
// the title, the question over unsaved work, and a damaged file opened changing nothing.
#include "ControleurFichiers.h"
#include "DocumentSession.h"
#include "Reglages.h"
#include "repondre.h"
#include "session_aleatoire.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Fichiers : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_Config.path());
        QCoreApplication::setOrganizationName(QStringLiteral("merlos"));
    }
    void TearDown() override { QCoreApplication::setOrganizationName({}); }
    QTemporaryDir m_Config;
};

void Ecrire(const QString& chemin, const QVariantMap& cles, int ilYa)
{
    {
        QSettings s(chemin, QSettings::IniFormat);
        for (auto it = cles.begin(); it != cles.end(); ++it)
            s.setValue(it.key(), it.value());
    }
    QFile f(chemin);
    f.open(QIODevice::ReadWrite);
    f.setFileTime(QDateTime::currentDateTime().addSecs(-ilYa), QFileDevice::FileModificationTime);
}

using fichierstest::Repondre;

} // namespace

TEST_F(Fichiers, OldSettingsMergeIntoTheOneFileWhichWinsAndGoOnlyOnceItIsWritten)
{
    const QStringList anciens = reglages::AnciensFichiers();
    Ecrire(anciens[0], {{"relecture/intervalle", 800}, {"x", "plus vieux"}, {"animation/duree", 450}}, 100);
    Ecrire(anciens[1], {{"animation/animer", true}, {"x", "plus recent"}, {"animation/duree", 300}}, 10);
    // A one file that cannot be written loses nothing: the old files stay.
    const QString un = QSettings().fileName();
    ASSERT_TRUE(QDir().mkpath(un));
    EXPECT_FALSE(reglages::FusionnerAnciens().erreur.isEmpty());
    EXPECT_TRUE(QFile::exists(anciens[0]) && QFile::exists(anciens[1]));
    ASSERT_TRUE(QDir(un).removeRecursively());
    QSettings().setValue("animation/duree", 120);

    const reglages::Fusion f = reglages::FusionnerAnciens();
    EXPECT_EQ(f.erreur, QString());
    EXPECT_EQ(f.lus.size(), 2);
    const QSettings lu(un, QSettings::IniFormat);
    EXPECT_EQ(lu.value("relecture/intervalle").toInt(), 800);
    EXPECT_TRUE(lu.value("animation/animer").toBool());
    EXPECT_EQ(lu.value("animation/duree").toInt(), 120) << "the one file wins";
    EXPECT_EQ(lu.value("x").toString(), "plus recent") << "then the newer old file";
    EXPECT_FALSE(QFile::exists(anciens[0]) || QFile::exists(anciens[1]));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(anciens[0]).absolutePath()));
    EXPECT_EQ(reglages::FusionnerAnciens().lus, QStringList()) << "once";
}

TEST_F(Fichiers, TheFileMenuNamesTheFileAsksBeforeUnsavedWorkGoesAndOpensOnlyWhatReads)
{
    QTemporaryDir dir;
    QWidget fenetre;
    std::mt19937 rng(5);
    EtatSession session = fichierstest::SessionAleatoire(rng);
    ControleurFichiers c(&fenetre, [&] { return session; });
    std::optional<EtatSession> ouvert;
    QObject::connect(&c, &ControleurFichiers::Ouvert, [&](const EtatSession& e) { ouvert = e; });
    EXPECT_EQ(c.ActionOuvrir()->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(c.ActionEnregistrer()->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(c.ActionEnregistrerSous()->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Alt+S")});
    EXPECT_FALSE(c.ActionEnregistrerSous()->shortcuts().contains(QKeySequence("Ctrl+Shift+S"))) << "Solve in few moves";
    EXPECT_EQ(c.Titre(), "MERLO's");

    const QString a = dir.filePath("a.merlos"), b = dir.filePath("b.merlos");
    ASSERT_TRUE(c.EnregistrerSous(a));
    EXPECT_EQ(fenetre.windowTitle(), "a.merlos[*] \u2014 MERLO's");
    c.DefinirModifie(true);
    EXPECT_TRUE(fenetre.isWindowModified());
    Repondre(QMessageBox::Cancel);
    EXPECT_FALSE(c.PeutAbandonner());
    Repondre(QMessageBox::Discard);
    EXPECT_TRUE(c.PeutAbandonner());
    session = fichierstest::SessionAleatoire(rng);
    EXPECT_TRUE(Repondre(QMessageBox::Save)->isEmpty());
    EXPECT_TRUE(c.PeutAbandonner());
    EXPECT_EQ(*document::Ouvrir(a).etat, session);
    EXPECT_FALSE(fenetre.isWindowModified());

    QFile f(b);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("{\"format\": \"merlos-session\", \"version\": 9}"));
    f.close();
    const auto dit = Repondre(QMessageBox::Ok);
    EXPECT_FALSE(c.Ouvrir(b));
    EXPECT_TRUE(dit->contains("b.merlos")) << dit->toStdString();
    EXPECT_TRUE(dit->contains("newer Merlos")) << dit->toStdString();
    EXPECT_FALSE(ouvert.has_value());
    EXPECT_EQ(c.Chemin(), a);

    EXPECT_TRUE(c.Ouvrir(a));
    EXPECT_EQ(ouvert, session);
    EXPECT_EQ(reglages::Recents(), QStringList{a});
}

TEST_F(Fichiers, RecentFilesAreEightAtMostNewestFirstAndOnlyThoseThatExist)
{
    QStringList f;
    for (int i = 0; i < 10; ++i) {
        f << m_Config.filePath(QStringLiteral("f%1.merlos").arg(i));
        QFile(f.last()).open(QIODevice::WriteOnly);
        reglages::AjouterRecent(f.last());
    }
    reglages::AjouterRecent(f[3]);
    QFile::remove(f[8]);
    EXPECT_EQ(reglages::Recents(), (QStringList{f[3], f[9], f[7], f[6], f[5], f[4], f[2]}));
}
