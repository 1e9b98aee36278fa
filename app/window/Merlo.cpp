// The window: the session shown (the log in List1, its counter in Message, the layer choices in the
// hidden option groups), the rooms wired to it, start-up and shut-down.
#include "Merlo.h"

#include "AnimationTours.h"
#include "Avis.h"
#include "Bureau.h"
#include "CUBEHost.h"
#include "Clavier.h"
#include "Contexte.h"
#include "Fatal.h"
#include "FichiersSession.h"
#include "GuideEtapes.h"
#include "Historique.h"
#include "MenuJournal.h"
#include "ModeleJournal.h"
#include "Regarder.h"
#include "Relecture.h"
#include "Resolveur.h"
#include "SurfaceSession.h"
#include "TableCommandes.h"
#include "Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QResizeEvent>

#include <cstdio>
#include <cstdlib>

Merlo::Merlo(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Merlo"));
    setWindowTitle(QStringLiteral("MERLO's"));
    setAccessibleName(QStringLiteral("MERLO's"));
    setWindowIcon(IconeMerlos());
    setAccessibleDescription(tr("A 3x3x3 cube: turn its layers with the arrows or the keys of cube "
                                 "notation (U D E R L M F S B, Shift for the reverse; x and y turn the "
                                 "whole cube), scramble it, undo the log, or solve it stage by stage."));
    // The layout was drawn for an 8-point sans-serif font of narrow, Helvetica-like letters: wider
    // faces would not fit the captions and log lines into their places.
    QFont police;
    police.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(PoliceDessin);
    setFont(police);

    CreerCUBE1();
    CreerControles();
    // After the controls, so that the views showing it go before it.
    m_Session = new ModeleSession(*m_Driver, this);
    m_Historique = new Historique(*m_Session, this);
    m_Surface = std::make_unique<SurfaceSession>(*m_Session, [this] { DoEvents(); });
    m_Etapes = std::make_unique<Resolveur>(*m_Surface);
    SuivreSession();
    m_Avis = new Avis(this, CUBE1);
    m_Commandes = new TableCommandes(this, List1);
    m_Disposition.Surmonter(m_Commandes->Barre());
    m_Contexte.reset(new Contexte{*this, CUBE1, List1, *m_Session, *m_Historique, *m_Commandes, *m_Avis,
                                  [this] { DoEvents(); }, [this] { return EnCommande(); }});
    m_Guide = new GuideEtapes(*m_Contexte);
    CreerCommandes();
    new MenuJournal(*m_Contexte);
    m_Animation = new AnimationTours(*m_Contexte);
    // Last: it ends itself before any command of the window runs.
    auto* relecture = new Relecture(*m_Contexte, *m_Animation, m_Disposition);
    // The File menu; nothing is kept for recovery while a replay has turned the cube back.
    m_Fichiers = new FichiersSession(*m_Contexte, [relecture] { return relecture->EnCours(); });

    // The drawn layout at one scale, centred under the menu bar: every control keeps its place and
    // shape, down to a size where the captions still read.
    const QSize barre(0, m_Disposition.HauteurBarre(TailleDessin().width()));
    setMinimumSize(Twips(0, 0, LargeurDessin, HauteurDessin, 0.6).size() + barre);
    resize(m_Disposition.TaillePropre());
    m_Disposition.Disposer(size());
    // Looking around the cube and turning it by hand (app/look/); it may make room beside the layout.
    InstallerRegard(*m_Contexte, *m_Animation, m_Disposition);
}

Merlo::~Merlo()
{
    // The replay watches every event of the application: it goes while this is still the window.
    delete findChild<Relecture*>(QString(), Qt::FindDirectChildrenOnly);
    // The control goes first, while the window and its children still exist.
    m_Driver.reset();
    m_Host.reset();
    CUBE1 = nullptr;
}

SurfaceEtapes& Merlo::Surface() { return *m_Surface; }

void Merlo::SuivreSession()
{
    m_Journal = new ModeleJournal(*m_Session, this);
    List1->setModel(m_Journal);
    // The view's own selection model goes: the log's is the session's chosen line.
    QItemSelectionModel* faite = List1->selectionModel();
    List1->setSelectionModel(m_Journal->Selection());
    delete faite;

    // The counter: nothing until the first change of the log.
    auto compteur = [this] {
        const std::optional<int> c = m_Session->Compteur();
        Message->setText(c ? QString::number(*c) : QString());
    };
    connect(m_Session, &ModeleSession::CompteurChange, Message, compteur);
    compteur();

    // The hidden option groups show the session's choices, and a choice made on them is its own.
    auto options = [this] {
        for (std::size_t k = 0; k < m_Options.size(); ++k)
            if (m_Session->Choisie(SurfaceEtapes::Option(k)) && !m_Options[k]->isChecked())
                m_Options[k]->setChecked(true);
    };
    connect(m_Session, &ModeleSession::CouchesChangees, this, options);
    for (std::size_t k = 0; k < m_Options.size(); ++k)
        connect(m_Options[k], &QRadioButton::toggled, m_Session, [this, k](bool choisie) {
            if (choisie)
                m_Session->Choisir(SurfaceEtapes::Option(k));
        });
    options();
}

void Merlo::Commande(const QString& nom, bool marque, const std::function<void()>& faire)
{
    m_Historique->Executer(marque ? nom : QString(), nom, faire);
}

void Merlo::Placer(QWidget* controle, const QRect& twips, QSize image)
{
    m_Disposition.Placer(controle, twips, image);
}

void Merlo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_Disposition.Disposer(size());
}

void Merlo::CreerCUBE1()
{
    m_Host = std::make_unique<CUBEHost>(CUBEHost::ModulePath());
    m_Driver = std::make_unique<CUBEDriver>(m_Host->Dispatch());
    CUBE1 = m_Host->Widget();
    CUBE1->setParent(this);
    CUBE1->setObjectName(QStringLiteral("CUBE1"));
    // In user mode, the only mode this window runs it in, the control covers its whole rectangle:
    // nothing beneath it needs painting first.
    CUBE1->setAttribute(Qt::WA_OpaquePaintEvent);
    CUBE1->setAccessibleName(tr("Cube"));
    CUBE1->setAccessibleDescription(
        tr("The cube seen from above and in front: its top, front and right faces. Drag a row or a column "
           "to turn it; drag with the right button, or press Alt and an arrow, to look at the other faces."));
    CUBE1->setToolTip(tr("The cube: drag a row or a column to turn it, drag with the right button to look around"));
    Placer(CUBE1, QRect(360, 840, 3252, 3372));
    CUBE1->show();
}

void Merlo::Form_Load()
{
    // The registration tool runs on its own; the window neither waits for it nor reads its result.
    const QString dossier = QCoreApplication::applicationDirPath();
    QProcess outil;
    outil.setProgram(QDir(dossier).filePath(QStringLiteral("regocx32.exe")));
    outil.setArguments({QStringLiteral("cube.ocx")});
    outil.setWorkingDirectory(dossier);
    outil.setStandardInputFile(QProcess::nullDevice());
    // Its line of success is not the person's business; a failure still says so on standard error.
    outil.setStandardOutputFile(QProcess::nullDevice());
    if (!outil.startDetached())
        Fatal(tr("Cannot run \"regocx32.exe cube.ocx\" in %1: %2")
                  .arg(QDir::toNativeSeparators(dossier), outil.errorString()));
}

void Merlo::Demarrer(const QString& fichier)
{
    m_Fichiers->Demarrer(fichier);
}

void Merlo::Form_Unload()
{
    // Ends the program here and now. The close may arrive while a command waits in DoEvents()
    // deep inside its own loop; returning there would run it on a window that is going away. The
    // person has saved or discarded their work by now: flush what was written and stop.
    std::fflush(nullptr);
    std::_Exit(0);
}

void Merlo::closeEvent(QCloseEvent* event)
{
    // Unsaved work is asked about first; Cancel lets a command under way go on.
    if (!m_Fichiers->Fermer()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void Merlo::DoEvents()
{
    ++m_DansDoEvents;
    QCoreApplication::processEvents();
    --m_DansDoEvents;
}
