// The real program killed with unsaved work: the next start asks whether to restore it, Restore gives
// the session the killed one kept (cube, log with its marks, counter, layers), it is saved into its
// file, and a clean close afterwards leaves nothing to restore.
#include "DocumentSession.h"
#include "Recuperation.h"
#include "xdisplay.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString binDir = QStringLiteral(MERLO_BIN_DIR);

// Polls `ok` until it holds or 30 s have passed.
bool Within30s(const std::function<bool()>& ok)
{
    QElapsedTimer t;
    t.start();
    while (!ok()) {
        if (t.elapsed() > 30000)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// This process's recovery files in `dossier`.
QStringList Recuperations(const QString& dossier)
{
    return QDir(dossier).entryList({QStringLiteral("session-*.merlos")}, QDir::Files);
}

using KillAndRestore = xdisplay::OnDisplay;

TEST_F(KillAndRestore, WorkOfAKilledMerlosIsOfferedRestoredAndGoneAfterACleanClose)
{
    QTemporaryDir home;
    QProcessEnvironment env = display().environment();
    for (const char* v : {"XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME"})
        env.insert(QLatin1String(v), home.filePath(QLatin1String(v)));
    const QString etat = home.filePath("XDG_STATE_HOME/merlos");
    const QString partie = home.filePath("partie.merlos");
    ASSERT_EQ(document::Enregistrer(partie, EtatSession{}), QString());
    const QString titre = QStringLiteral("partie.merlos \u2014 MERLO's"), modifie = QStringLiteral("partie.merlos* \u2014 MERLO's");

    // Started on its file, scrambled and turned, then killed once its work is kept.
    QProcess tue;
    tue.setProcessEnvironment(env);
    tue.setStandardOutputFile(QProcess::nullDevice());
    tue.setStandardErrorFile(QProcess::nullDevice());
    tue.start(QDir(binDir).filePath("Merlos"), {partie});
    ASSERT_TRUE(tue.waitForStarted(30000));
    const xdisplay::XmerloRun commandes = xdisplay::Xmerlo(
        env, titre, xdisplay::WaitForWindow() + QStringList{"click"} + xdisplay::Melange().at + QStringList{"key", "r", "key", "shift+u", "key", "x"});
    ASSERT_EQ(commandes.exitCode, 0) << commandes.errors.toStdString();
    document::Lu garde;
    // The scramble's 31 lines and three turns, kept a moment after the last one.
    const bool ecrit = Within30s([&] {
        const QStringList f = Recuperations(etat);
        garde = f.size() == 1 ? document::Ouvrir(QDir(etat).filePath(f[0])) : document::Lu{};
        return garde && garde.etat->lignes.size() == 34;
    });
    tue.kill();
    tue.waitForFinished(30000);
    ASSERT_TRUE(ecrit) << "no recovery file of 34 lines in " << etat.toStdString() << ": " << garde.erreur.toStdString();
    EXPECT_EQ(garde.fichier, partie);
    EXPECT_EQ(garde.etat->compteur, 34);
    EXPECT_EQ(garde.etat->lignes[0].commande, "Melange");
    EXPECT_TRUE(garde.etat->lignes[33].texte.startsWith("En haut")) << garde.etat->lignes[33].texte.toStdString();
    EXPECT_EQ(garde.etat->couches.colonne, 1) << "R chose the right column";

    // The next start asks; Restore, then Save writes the very session that was kept into its file.
    QProcess suivant;
    suivant.setProcessEnvironment(env);
    suivant.setStandardOutputFile(QProcess::nullDevice());
    suivant.setStandardErrorFile(home.filePath("suivant.err"));
    suivant.start(QDir(binDir).filePath("Merlos"), {});
    ASSERT_TRUE(suivant.waitForStarted(30000));
    const xdisplay::XmerloRun restaurer = xdisplay::Xmerlo(env, "MERLO's", {"wait", "dialog", "key", "r"});
    ASSERT_EQ(restaurer.exitCode, 0) << restaurer.errors.toStdString();
    const xdisplay::XmerloRun enregistrer = xdisplay::Xmerlo(env, modifie, {"wait", "key", "ctrl+s"});
    ASSERT_EQ(enregistrer.exitCode, 0) << enregistrer.errors.toStdString();
    document::Lu enregistre;
    EXPECT_TRUE(Within30s([&] {
        enregistre = document::Ouvrir(partie);
        return enregistre && enregistre.etat == garde.etat;
    })) << enregistre.erreur.toStdString();

    // Saved: the close asks nothing, and nothing is left to restore.
    const xdisplay::XmerloRun fermer = xdisplay::Xmerlo(env, titre, {"wait", "close"});
    ASSERT_EQ(fermer.exitCode, 0) << fermer.errors.toStdString();
    ASSERT_TRUE(suivant.waitForFinished(30000));
    EXPECT_EQ(suivant.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(suivant.exitCode(), 0);
    QFile err(home.filePath("suivant.err"));
    ASSERT_TRUE(err.open(QIODevice::ReadOnly));
    const QString dit = QString::fromLocal8Bit(err.readAll());
    EXPECT_TRUE(xdisplay::Clean(dit)) << dit.toStdString();
    EXPECT_EQ(QDir(etat).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(Reprise::Chercher(etat), nullptr);
}

} // namespace
