// Merlo: the program's one window. Its commands live in the rooms of app/, its solving stages in solver/.
#pragma once

#include "CUBEDriver.h"
#include "Disposition.h"

#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class CUBEHost;
class Historique;
class TableCommandes;
class AnimationTours;

// The 18 arrow buttons, in the order of their table in Merlo.cpp. Each name is also the name of the
// single move in macro notation: axis, then direction and layer (HBD: bottom layer to the right).
#define MERLO_FLECHES(X) \
    X(HHD) X(HGH) X(HMD) X(HGM) X(HBD) X(HGB) \
    X(VHG) X(VBG) X(VHM) X(VBM) X(VHD) X(VBD) \
    X(TDF) X(TGF) X(TDM) X(TGM) X(TDA) X(TGA)

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
    // Undo and Redo: every command of the window runs through it, as one step.
    Historique& Histoire() { return *m_Historique; }
    // The table of commands the menu bar, the log's menu and the keys are made from.
    TableCommandes& Commandes() { return *m_Commandes; }
    // Shows turns happening on the cube (app/animation/).
    AnimationTours& Animation() const { return *m_Animation; }
    // Where every control goes for the window's size.
    Disposition& Dispo() { return m_Disposition; }

    // --- commands of the window (app/) ---------------------------------------------------------
    void Init_Click();
    void Clear_Click();

    // The six layer primitives: turn the layer selected in their axis' option group.
    void FrontD_Click();
    void FrontG_Click();
    void HorizD_Click();
    void HorizG_Click();
    void VHaut_Click();
    void VBas_Click();

    // The arrow buttons: select their layer, run their primitive.
#define MERLO_DECLARE_FLECHE(name) void name##_Click();
    MERLO_FLECHES(MERLO_DECLARE_FLECHE)
#undef MERLO_DECLARE_FLECHE
    // Plays moves written as arrow names separated by blanks ("VHD HGH"): for each one, selects
    // its layer when that layer is not already selected, then runs its primitive.
    void Jouer(const char* notation);

    // Whole-cube turns.
    void Haut_Click();
    void Bas_Click();
    void Gauche_Click();
    void Droite_Click();

    // Macros.
    void A_Click();
    void B_Click();
    void Ar_Click();
    void CD_Click();
    void CG_Click();
    void PA_Click();
    void PC_Click();
    void MacroT1();
    void MacroT2();
    void MacroH1();
    void MacroH2();
    void FinComm();

    // Log inversion and removal.
    void InverserOrdre(const QString& s);
    void Inv_Click();
    void InvD_Click();
    void List1_DblClick();

    void Melange_Click();
    // The next Melange_Click draws from this seed instead of the clock (tests use it to replay).
    void SeedMelange(uint64_t seed) { m_NextSeed = seed; m_Seeded = true; }

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
    int16_t FaceVue = 0;
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
    QListWidget* List1 = nullptr;
    QPushButton *Clear = nullptr, *InvD = nullptr, *Inv = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton *OptGauche = nullptr, *OptM = nullptr, *OptDroit = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton *OptArr = nullptr, *OptMi = nullptr, *OptFront = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton *OptHaut = nullptr, *OptMil = nullptr, *OptBas = nullptr;

    // The cube notation of an arrow button ("VBD" gives "R'"), or an empty text.
    static QString NotationFleche(const QString& nom);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreerControles();
    void CreerCUBE1();
    // Remembers where a control was drawn, in twips relative to its container (and for an arrow, its
    // picture's drawn size).
    void Placer(QWidget* controle, const QRect& twips, QSize image = QSize());
    // Appends one log line and shows the new count.
    void Ajouter(const QString& ligne);
    void MajMessage();
    // The selected line of List1, or -1; SelectLigne(-1) leaves no line selected.
    int ListIndex() const;
    void SelectLigne(int k);
    void Fleche(int i);
    void TourneCube(int16_t position, const QString& texte);

    QButtonGroup *m_GroupeV = nullptr, *m_GroupeT = nullptr, *m_GroupeH = nullptr;
    std::array<QPushButton*, 18> m_Fleches{};
    Disposition m_Disposition{this};

    // Called by a stage loop whose limit stopped it.
    void LimitReached() { ++m_LimitsReached; }
    friend class StageLoop;

    Historique* m_Historique = nullptr;
    TableCommandes* m_Commandes = nullptr;
    std::unique_ptr<CUBEHost> m_Host;
    std::unique_ptr<CUBEDriver> m_Driver;
    AnimationTours* m_Animation = nullptr;
    int m_LimitsReached = 0;
    int m_DansDoEvents = 0;
    uint64_t m_NextSeed = 0;
    bool m_Seeded = false;
};
