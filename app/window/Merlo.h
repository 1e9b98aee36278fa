// Merlo: the program's one window. It shows the session model (app/session/) and forwards the
// commands of its buttons and keys to it; its other commands live in the rooms of app/, its solving
// stages in solver/.
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
class Avis;
class CUBEHost;
class GuideEtapes;
class Historique;
class ModeleJournal;
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
    // What the stages see of the program: the session, yielding through DoEvents().
    SurfaceEtapes& Surface();

    // --- the session's commands that the stages call (solver/) -----------------------------------
    void FrontD_Click() { m_Session->FrontD_Click(); }
    void FrontG_Click() { m_Session->FrontG_Click(); }
    void HorizD_Click() { m_Session->HorizD_Click(); }
    void HorizG_Click() { m_Session->HorizG_Click(); }
    void VHaut_Click() { m_Session->VHaut_Click(); }
    void VBas_Click() { m_Session->VBas_Click(); }
    void Haut_Click() { m_Session->Haut_Click(); }
    void Bas_Click() { m_Session->Bas_Click(); }
    void Gauche_Click() { m_Session->Gauche_Click(); }
    void Droite_Click() { m_Session->Droite_Click(); }
    void A_Click() { m_Session->A_Click(); }
    void B_Click() { m_Session->B_Click(); }
    void Ar_Click() { m_Session->Ar_Click(); }
    void CD_Click() { m_Session->CD_Click(); }
    void CG_Click() { m_Session->CG_Click(); }
    void PA_Click() { m_Session->PA_Click(); }
    void PC_Click() { m_Session->PC_Click(); }
    void MacroT1() { m_Session->MacroT1(); }
    void MacroT2() { m_Session->MacroT2(); }
    void MacroH1() { m_Session->MacroH1(); }
    void MacroH2() { m_Session->MacroH2(); }
    void FinComm() { m_Session->FinComm(); }

    // Lets the window process pending messages once (repaints, and clicks of the user).
    void DoEvents();
    // Whether a command is running and waits in DoEvents() (a stage, a long paste).
    bool EnCommande() const { return m_DansDoEvents > 0; }

    // --- solving stages (solver/) --------------------------------------------------------------
    bool VerifHaut(int16_t* Elmts);
    bool Identite();

    void UneFace_Click();
    void ToutEnFace();

    void IdC_Click();
    bool PartieH();
    bool Alignes();
    void MacroC1();

    void IdM_Click();

    void FaceB_Click();

    void RangerM_Click();
    bool Milieu();
    void RecElmts(int16_t* Elmts);

    void RangerHaut_Click();
    void ResoudreFaceH();
    void PlacerCaseHaute();
    void PlacerCaseBasse();
    int32_t NbCase(int32_t& Fc, int32_t& Cel);

    // How often a stage loop was stopped by its limit since the window was created.
    int LimitsReached() const { return m_LimitsReached; }

    // --- window state ---------------------------------------------------------------------------
    std::array<int16_t, 11> Cases{};

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

    // Called by a stage loop whose limit stopped it.
    void LimitReached() { ++m_LimitsReached; }
    friend class StageLoop;

    std::unique_ptr<CUBEHost> m_Host;
    std::unique_ptr<CUBEDriver> m_Driver;
    ModeleSession* m_Session = nullptr;
    ModeleJournal* m_Journal = nullptr;
    Historique* m_Historique = nullptr;
    TableCommandes* m_Commandes = nullptr;
    Avis* m_Avis = nullptr;
    GuideEtapes* m_Guide = nullptr;
    AnimationTours* m_Animation = nullptr;
    std::unique_ptr<Contexte> m_Contexte;
    std::unique_ptr<SurfaceSession> m_Surface;
    int m_LimitsReached = 0;
    int m_DansDoEvents = 0;
};
