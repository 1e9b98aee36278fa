// Merlo: the program's one window. It shows the session model (app/session/) and forwards the
// commands of its buttons and keys to it; its other commands live in the rooms of app/, its solving
// stages in solver/, which reach the session only through its surface.
#pragma once

#include "CUBEDriver.h"
#include "Disposition.h"
#include "ModeleSession.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class AnimationTours;
class FichiersSession;
class Avis;
class CUBEHost;
class GuideEtapes;
class Historique;
class ModeleJournal;
class Resolveur;
class SurfaceSession;
class TableCommandes;
struct Contexte;

class Merlo : public QWidget {
    Q_OBJECT

public:
    explicit Merlo(QWidget* parent = nullptr);
    ~Merlo() override;

    // Start-up step, run once the window and the cube exist.
    void Form_Load();
    // Then, with the window shown: the work a crashed Merlos left is offered, and `fichier` (from
    // the command line; empty for none) opened.
    void Demarrer(const QString& fichier);
    // The window is being closed: the program ends at once.
    [[noreturn]] void Form_Unload();

    // The cube, reached only through its dispatch interface.
    CUBEDriver& CUBE() { return *m_Driver; }
    // The person's work: the log, the layer choices, the counter, the chosen line.
    ModeleSession& Session() { return *m_Session; }
    const ModeleSession& Session() const { return *m_Session; }
    // Undo and Redo: every command of the window runs through it, as one step.
    Historique& Histoire() { return *m_Historique; }
    // The table of commands the menu bar, the log's menu, the buttons and the keys are made from.
    TableCommandes& Commandes() { return *m_Commandes; }
    // Shows turns happening on the cube (app/animation/).
    AnimationTours& Animation() const { return *m_Animation; }
    // The solving stages (solver/), which the stage buttons run; they see the session through its
    // surface, yielding through DoEvents().
    Resolveur& Etapes() { return *m_Etapes; }
    SurfaceEtapes& Surface();
    // Save, Open, the unsaved mark and recovery.
    FichiersSession& Fichiers() { return *m_Fichiers; }
    // Where every control goes for the window's size.
    Disposition& Dispo() { return m_Disposition; }

    // Lets the window process pending messages once (repaints, and clicks of the user).
    void DoEvents();
    // Whether a command is running and waits in DoEvents() (a stage, a long paste).
    bool EnCommande() const { return m_DansDoEvents > 0; }

    // --- controls, named as their objectName ----------------------------------------------------
    QWidget* CUBE1 = nullptr;
    QPushButton *Haut = nullptr, *Bas = nullptr, *Gauche = nullptr, *Droite = nullptr;
    QGroupBox* Frame5 = nullptr;
    QPushButton *Init = nullptr, *Melange = nullptr;
    QGroupBox* Frame4 = nullptr;
    QPushButton *RangerHaut = nullptr, *IdM = nullptr, *IdC = nullptr, *RangerM = nullptr, *FaceB = nullptr,
                *UneFace = nullptr;
    QGroupBox* Frame6 = nullptr;
    QPushButton *Ar = nullptr, *CG = nullptr, *CD = nullptr, *A = nullptr, *B = nullptr, *PA = nullptr, *PC = nullptr;
    QLabel* Message = nullptr;
    QListView* List1 = nullptr;
    QPushButton *Clear = nullptr, *InvD = nullptr, *Inv = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton *OptGauche = nullptr, *OptM = nullptr, *OptDroit = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton *OptArr = nullptr, *OptMi = nullptr, *OptFront = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton *OptHaut = nullptr, *OptMil = nullptr, *OptBas = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreerCUBE1();
    // The controls, built from their tables (Controles.cpp), then the commands of their buttons.
    void CreerControles();
    void CreerJournal();
    void CreerCommandes();
    // The views follow the session, and the option buttons choose in it.
    void SuivreSession();
    // Remembers where a control was drawn, in twips relative to its container (and for an arrow, its
    // picture's drawn size).
    void Placer(QWidget* controle, const QRect& twips, QSize image = QSize());
    // Runs a button's command as one step of Undo; a stage, a macro or the scramble marks the lines
    // it writes with its caption.
    void Commande(const QString& nom, bool marque, const std::function<void()>& faire);

    std::array<QRadioButton*, 9> m_Options{};
    std::array<QPushButton*, 18> m_Fleches{};
    Disposition m_Disposition{this};

    std::unique_ptr<CUBEHost> m_Host;
    std::unique_ptr<CUBEDriver> m_Driver;
    ModeleSession* m_Session = nullptr;
    ModeleJournal* m_Journal = nullptr;
    Historique* m_Historique = nullptr;
    TableCommandes* m_Commandes = nullptr;
    Avis* m_Avis = nullptr;
    GuideEtapes* m_Guide = nullptr;
    AnimationTours* m_Animation = nullptr;
    FichiersSession* m_Fichiers = nullptr;
    std::unique_ptr<Contexte> m_Contexte;
    std::unique_ptr<SurfaceSession> m_Surface;
    std::unique_ptr<Resolveur> m_Etapes;
    int m_DansDoEvents = 0;
};
