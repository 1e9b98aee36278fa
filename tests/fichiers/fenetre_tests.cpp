// Save, Open and recovery on the real window: a session saved and opened in a new window is the same
// session (cube, log, counter, layers, Copy solution, replay), Undo stays within its own file, the
// questions over unsaved work keep it (also in the middle of a stage), and work left by a Merlos
// that is gone is offered, restored exactly and removed by a clean end.
#include "clipboard_support.h"

#include "ControleurFichiers.h"
#include "DocumentSession.h"
#include "FichiersSession.h"
#include "Historique.h"
#include "Recuperation.h"
#include "Relecture.h"
#include "repondre.h"
#include "session_aleatoire.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

namespace {

using fichierstest::Repondre;

class FichiersFenetre : public OnWindow {
protected:
    void SetUp() override
    {
        // This test's own recovery folder, taken by each window as it is made.
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_Etat.path()));
        OnWindow::SetUp();
    }
    static ControleurFichiers& C(Merlo& m) { return m.Fichiers().Controleur(); }
    static Relecture* R(Merlo& m) { return m.findChild<Relecture*>(QStringLiteral("Relecture")); }
    static QString CopieSolution(Merlo& m)
    {
        QGuiApplication::clipboard()->clear();
        m.findChild<QAction*>(QStringLiteral("CopierSolution"))->trigger();
        return QGuiApplication::clipboard()->text();
    }
    QStringList Restes(const QString& dossier) const { return QDir(dossier).entryList(QDir::Files | QDir::Hidden); }

    // Commands of every kind, the scramble drawn from `rng`, and now and then a line chosen.
    void Commandes(std::mt19937& rng, int n)
    {
        static const char* const boutons[] = {"HHD", "VBG", "TDA", "TGM", "HMD", "Haut", "Droite", "PA", "CG",
                                              "Ar", "InvD", "Melange", "RangerHaut", "IdM", "Init", "Clear"};
        for (int i = 0; i < n; ++i) {
            const char* b = boutons[rng() % std::size(boutons)];
            if (b == std::string_view("Clear") && rng() % 3)
                continue;
            w->Session().SeedMelange(rng());
            Press(b);
            if (LogCount(*w) > 0 && rng() % 4 == 0)
                SelectRow(*w, int(rng() % std::uint32_t(LogCount(*w))));
        }
    }

    QTemporaryDir m_Etat, m_Dossier;
};

TEST_F(FichiersFenetre, ASessionSavedAndOpenedInANewWindowIsTheSameAndUndoStaysWithinItsFile)
{
    std::mt19937 rng(24);
    w->Session().SeedMelange(rng());
    Press("Melange");
    Commandes(rng, 60);
    EXPECT_EQ(w->windowTitle(), "MERLO's");
    EXPECT_TRUE(C(*w).Modifie());
    const QString f = m_Dossier.filePath("soiree.merlos");
    ASSERT_TRUE(C(*w).EnregistrerSous(f));
    EXPECT_EQ(w->windowTitle(), "soiree.merlos[*] \u2014 MERLO's");
    EXPECT_FALSE(w->isWindowModified());
    // Undo leaves the saved session and Redo comes back to it.
    w->Histoire().Annuler();
    EXPECT_TRUE(w->isWindowModified());
    w->Histoire().Refaire();
    EXPECT_FALSE(w->isWindowModified());

    Merlo autre;
    ASSERT_TRUE(Show(autre));
    ASSERT_TRUE(C(autre).Ouvrir(f));
    EXPECT_EQ(autre.Session().Instantane(), w->Session().Instantane());
    EXPECT_EQ(ReadCube(autre.CUBE()), Cube());
    EXPECT_EQ(autre.Message->text(), Counter());
    for (const char* o : {"OptGauche", "OptM", "OptDroit", "OptArr", "OptMi", "OptFront", "OptHaut", "OptMil", "OptBas"})
        EXPECT_EQ(autre.findChild<QRadioButton*>(o)->isChecked(), Get<QRadioButton>(o)->isChecked()) << o;
    EXPECT_EQ(autre.windowTitle(), w->windowTitle());
    EXPECT_FALSE(autre.isWindowModified());
    EXPECT_EQ(autre.Histoire().Pas(), 0) << "Undo does not lead into the session before the file";
    const QString solution = CopieSolution(*w);
    EXPECT_FALSE(solution.isEmpty());
    EXPECT_EQ(CopieSolution(autre), solution);

    // The replay goes through the same cubes, step by step.
    ASSERT_TRUE(R(*w)->Commencer(0));
    ASSERT_TRUE(R(autre)->Commencer(0));
    int pas = 0;
    do {
        ASSERT_EQ(ReadCube(autre.CUBE()), Cube()) << "step " << pas;
        R(*w)->Avancer();
        R(autre)->Avancer();
        ++pas;
    } while (R(*w)->EnCours() && R(autre)->EnCours());
    EXPECT_FALSE(R(*w)->EnCours() || R(autre)->EnCours());
    EXPECT_GT(pas, 31);
    EXPECT_EQ(ReadCube(autre.CUBE()), Cube());

    // The runs of commands go on numbering above the file's, so a new scramble is a run of its own.
    qint64 plusHaute = 0;
    for (int i = 0; i < autre.Session().Nombre(); ++i)
        plusHaute = std::max(plusHaute, autre.Session().Serie(i));
    ASSERT_GT(plusHaute, 0);
    autre.Session().SeedMelange(3);
    autre.findChild<QPushButton*>("Melange")->click();
    EXPECT_GT(autre.Session().Serie(autre.Session().Nombre() - 1), plusHaute);
    EXPECT_TRUE(autre.isWindowModified());
    autre.Histoire().Annuler();
    EXPECT_FALSE(autre.isWindowModified()) << "back to the file as opened";
    EXPECT_EQ(autre.Session().Instantane(), w->Session().Instantane());
}

TEST_F(FichiersFenetre, OpeningOrClosingOverUnsavedWorkAsksAndCancelLetsAStageGoOn)
{
    EXPECT_FALSE(C(*w).Modifie()) << "a fresh start is not modified";
    const QString f = m_Dossier.filePath("vide.merlos");
    ASSERT_EQ(document::Enregistrer(f, EtatSession{}), QString());
    w->Session().SeedMelange(7);
    Press("Melange");
    EXPECT_TRUE(C(*w).Modifie());
    EXPECT_EQ(w->windowTitle(), "MERLO's") << "the window's own caption, without a file";
    const EtatSession avant = w->Session().Instantane();
    const auto dit = Repondre(QMessageBox::Cancel);
    EXPECT_FALSE(C(*w).Ouvrir(f));
    EXPECT_TRUE(dit->contains("not saved")) << dit->toStdString();
    EXPECT_EQ(w->Session().Instantane(), avant);

    // Closed while the stage waits in a yield: Cancel, and the stage goes on to the very log it
    // makes when nothing comes between.
    Merlo ref;
    ref.Session().SeedMelange(7);
    ref.findChild<QPushButton*>("Melange")->click();
    ref.findChild<QPushButton*>("RangerHaut")->click();
    std::shared_ptr<QString> question;
    QTimer::singleShot(0, w.get(), [&] {
        question = Repondre(QMessageBox::Cancel);
        w->close();
    });
    Press("RangerHaut");
    ASSERT_NE(question, nullptr) << "the stage never yielded";
    EXPECT_TRUE(question->contains("not saved")) << question->toStdString();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Log(), LogLines(ref));
    EXPECT_EQ(Cube(), ReadCube(ref.CUBE()));

    // A file named on the command line that cannot be read says why; the window goes on as it was.
    const QString absent = m_Dossier.filePath("absent.merlos");
    Merlo demarre;
    const auto pourquoi = Repondre(QMessageBox::Ok);
    demarre.Demarrer(absent);
    EXPECT_TRUE(pourquoi->contains("absent.merlos")) << pourquoi->toStdString();
    EXPECT_EQ(demarre.windowTitle(), "MERLO's");
    EXPECT_EQ(demarre.Session().Instantane(), EtatSession{});
    demarre.Demarrer(f);
    EXPECT_EQ(demarre.windowTitle(), "vide.merlos[*] — MERLO's");

    // Nothing is opened over a command under way.
    w->Histoire().Executer(QString(), QStringLiteral("test"), [&] {
        const auto refus = Repondre(QMessageBox::Ok);
        EXPECT_FALSE(C(*w).Ouvrir(f, true));
        EXPECT_TRUE(refus->contains("still running")) << refus->toStdString();
    });
    EXPECT_EQ(Log(), LogLines(ref));
}

TEST_F(FichiersFenetre, WorkLeftByAGoneMerlosIsOfferedRestoredExactlyAndACleanEndLeavesNothing)
{
    QTemporaryDir laissee;
    std::mt19937 rng(9);
    const EtatSession e = fichierstest::SessionAleatoire(rng);
    const QString fichier = m_Dossier.filePath("partie.merlos");
    {
        // A Merlos that keeps its work, then is gone without a clean end.
        Recuperation r(laissee.path(), [&] { return e; });
        r.DefinirFichier(fichier);
        QSignalSpy ecrit(&r, &Recuperation::Ecrit);
        r.Modifie();
        ASSERT_TRUE(ecrit.wait(20000));
    }
    const auto dit = Repondre("Restaurer");
    w->Fichiers().OffrirReprise(laissee.path());
    EXPECT_TRUE(dit->contains("Restore it?")) << dit->toStdString();
    EXPECT_TRUE(dit->contains(QStringLiteral("%1 log line").arg(e.lignes.size()))) << dit->toStdString();
    EXPECT_EQ(w->Session().Instantane(), e);
    EXPECT_EQ(w->windowTitle(), "partie.merlos[*] \u2014 MERLO's");
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_EQ(w->Histoire().Pas(), 0);
    EXPECT_EQ(Reprise::Chercher(laissee.path()), nullptr) << "now this window's own";
    // No step leads back to a saved state.
    Press("HHD");
    w->Histoire().Annuler();
    EXPECT_TRUE(C(*w).Modifie());
    EXPECT_EQ(w->Session().Instantane(), e);

    // A clean end asks, and leaves nothing to restore.
    Repondre(QMessageBox::Discard);
    EXPECT_TRUE(w->Fichiers().Fermer());
    EXPECT_EQ(Restes(laissee.path()), QStringList());
    EXPECT_EQ(Restes(m_Etat.filePath("merlos")), QStringList());

    // A damaged file says what is wrong and is offered Discard.
    QFile abime(laissee.filePath("session-1-0badf00d.merlos"));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly) && abime.write("{\"format\": \"merlos-session\", \"vers"));
    abime.close();
    Merlo autre;
    const auto dommage = Repondre("Ecarter");
    autre.Fichiers().OffrirReprise(laissee.path());
    EXPECT_TRUE(dommage->contains("cannot be read")) << dommage->toStdString();
    EXPECT_TRUE(dommage->contains("session-1-0badf00d.merlos")) << dommage->toStdString();
    EXPECT_EQ(Restes(laissee.path()), QStringList());
    EXPECT_EQ(autre.Session().Nombre(), 0);
    EXPECT_FALSE(C(autre).Modifie());
}

} // namespace
