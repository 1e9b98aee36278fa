// Recovery: changes written on a worker thread, coalesced, the latest winning; a file left by a
// process that is gone is found and read back whole, and one whose process still runs is never
// offered, even to two Merlos starting at once.
#include "Recuperation.h"
#include "session_aleatoire.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Recovery, ChangesAreWrittenAsideCoalescedTheLatestWinningAndACleanEndRemovesThem)
{
    QTemporaryDir dir;
    const QString dossier = dir.filePath("state/merlos");
    std::mt19937 rng(11);
    EtatSession etat;
    int instantanes = 0;
    Recuperation r(dossier, [&] { ++instantanes; return etat; });
    QSignalSpy ecrit(&r, &Recuperation::Ecrit);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 200; ++i) { // a burst of commands
        etat = fichierstest::SessionAleatoire(rng, 2000);
        r.Modifie();
    }
    while (r.EnCours() && t.elapsed() < 20000)
        ecrit.wait(100);
    // The burst ran without the event loop: one write, of its last state.
    EXPECT_EQ(instantanes, 1);
    EXPECT_EQ(*document::Ouvrir(r.Fichier()).etat, etat);
    EXPECT_EQ(QFileInfo(dossier).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0) << "a folder of its own";
    EXPECT_EQ(Reprise::Chercher(dossier), nullptr) << "its own work is never offered back";
    r.Terminer();
    EXPECT_EQ(QDir(dossier).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(Recovery, WorkOfAProcessKilledIsOfferedOnceAndNeverWhileItRuns)
{
    QTemporaryDir dir;
    QProcess enfant;
    enfant.start(QStringLiteral(MERLO_BIN_DIR "/enfant_recuperation"), {dir.path(), "77"});
    ASSERT_TRUE(enfant.waitForStarted(10000));
    QElapsedTimer t;
    t.start();
    while (!enfant.canReadLine() && t.elapsed() < 30000)
        enfant.waitForReadyRead(100);
    ASSERT_EQ(enfant.readLine(), "ecrit\n");
    EXPECT_EQ(Reprise::Chercher(dir.path()), nullptr) << "its Merlos still runs";
    enfant.kill();
    enfant.waitForFinished();

    const std::unique_ptr<Reprise> trouvee = Reprise::Chercher(dir.path());
    ASSERT_NE(trouvee, nullptr);
    std::mt19937 rng(77);
    ASSERT_TRUE(trouvee->Contenu()) << trouvee->Contenu().erreur.toStdString();
    EXPECT_EQ(*trouvee->Contenu().etat, fichierstest::SessionAleatoire(rng));
    EXPECT_EQ(Reprise::Chercher(dir.path()), nullptr) << "a second Merlos starting meanwhile is not offered it";

    // Restored: the file becomes this process's own, and is no longer anybody's to offer.
    Recuperation r(dir.path(), [] { return EtatSession{}; });
    ASSERT_TRUE(trouvee->Adopter(r));
    EXPECT_EQ(*document::Ouvrir(r.Fichier()).etat, *trouvee->Contenu().etat);
    EXPECT_EQ(Reprise::Chercher(dir.path()), nullptr);
    r.Terminer();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
