// The window: its controls, built from tables; start-up and shut-down; the arrow buttons and the
// macros, which are tables of moves.
#include "Merlo.h"

#include "AnimationTours.h"
#include "Avis.h"
#include "Bureau.h"
#include "CUBEHost.h"
#include "Clavier.h"
#include "Fatal.h"
#include "Fleches.h"
#include "GuideEtapes.h"
#include "Historique.h"
#include "Macros.h"
#include "MenuJournal.h"
#include "Notation.h"
#include "Recouvrement.h"
#include "Regarder.h"
#include "TableCommandes.h"
#include "Relecture.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Place {
    int left, top, width, height;
    QRect Twips() const { return QRect(left, top, width, height); }
};

constexpr long SansCouleur = -1;

struct CadreDef {
    QGroupBox* Merlo::*membre;
    const char* nom;
    Place place;
    bool visible;
    const char* nomAccessible;
};

// Every frame sits on the window; the option frames only hold the layer selection and stay hidden.
constexpr CadreDef cadres[] = {
    {&Merlo::Frame5, "Frame5", {120, 0, 3972, 372}, true, QT_TRANSLATE_NOOP("Merlo", "Reset and scramble")},
    {&Merlo::Frame4, "Frame4", {0, 5040, 972, 2412}, true, QT_TRANSLATE_NOOP("Merlo", "Solving stages")},
    {&Merlo::Frame6, "Frame6", {3120, 5160, 1092, 1692}, true, QT_TRANSLATE_NOOP("Merlo", "Move macros")},
    {&Merlo::Frame1, "Frame1", {3360, 5160, 732, 1212}, false, QT_TRANSLATE_NOOP("Merlo", "Column to turn")},
    {&Merlo::Frame2, "Frame2", {0, 5520, 1932, 492}, false, QT_TRANSLATE_NOOP("Merlo", "Slice to turn")},
    {&Merlo::Frame3, "Frame3", {2520, 6960, 2052, 372}, false, QT_TRANSLATE_NOOP("Merlo", "Layer to turn")},
};

struct BoutonDef {
    QPushButton* Merlo::*membre;
    const char* nom;
    const char* legende;
    QGroupBox* Merlo::*cadre; // nullptr: on the window
    Place place;
    long couleur; // 0xRRGGBB, or SansCouleur
    void (Merlo::*action)();
    const char* nomAccessible;
    // Tooltip. A macro's tooltip goes on with its moves in cube notation.
    const char* aide;
    const char* sequence; // macros only
};

constexpr BoutonDef boutons[] = {
    {&Merlo::Haut, "Haut", "Haut", nullptr, {1800, 480, 492, 252}, 0xFFFF00, &Merlo::Haut_Click, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube up (x)"), QT_TRANSLATE_NOOP("Merlo", "x \u2014 En haut: the bottom face comes to the front"), nullptr},
    {&Merlo::Bas, "Bas", "Bas", nullptr, {1680, 4320, 612, 252}, 0xFFFF00, &Merlo::Bas_Click, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube down (x')"), QT_TRANSLATE_NOOP("Merlo", "x' \u2014 En bas: the top face comes to the front"), nullptr},
    {&Merlo::Gauche, "Gauche", "<--", nullptr, {0, 2640, 372, 372}, 0xFFFF00, &Merlo::Gauche_Click, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube left (y)"), QT_TRANSLATE_NOOP("Merlo", "y \u2014 A gauche: the right face comes to the front"), nullptr},
    {&Merlo::Droite, "Droite", "-->", nullptr, {3600, 2400, 372, 372}, 0xFFFF00, &Merlo::Droite_Click, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube right (y')"), QT_TRANSLATE_NOOP("Merlo", "y' \u2014 A droite: the left face comes to the front"), nullptr},
    {&Merlo::Init, "Init", "Init", &Merlo::Frame5, {120, 120, 612, 252}, 0xFF8080, &Merlo::Init_Click,
     QT_TRANSLATE_NOOP("Merlo", "Reset the colours"), QT_TRANSLATE_NOOP("Merlo", "Init: give every face its own colour again; the log stays"), nullptr},
    {&Merlo::Melange, "Melange", "Melange", &Merlo::Frame5, {3000, 120, 855, 255}, 0x80FF80, &Merlo::Melange_Click,
     QT_TRANSLATE_NOOP("Merlo", "Scramble"), QT_TRANSLATE_NOOP("Merlo", "Melange: scramble the cube with 31 random quarter turns of the outer layers, logged"), nullptr},
    {&Merlo::RangerHaut, "RangerHaut", "FaceH", &Merlo::Frame4, {120, 240, 612, 252}, 0x00FF00,
     &Merlo::RangerHaut_Click, QT_TRANSLATE_NOOP("Merlo", "Stage FaceH"), QT_TRANSLATE_NOOP("Merlo", "FaceH: make the top face one colour"), nullptr},
    {&Merlo::IdM, "IdM", "Arretes", &Merlo::Frame4, {120, 600, 612, 252}, 0x00FF00, &Merlo::IdM_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Arretes"), QT_TRANSLATE_NOOP("Merlo", "Arretes: bring the four top-layer edges over their side centres"), nullptr},
    {&Merlo::IdC, "IdC", "Coins", &Merlo::Frame4, {120, 960, 612, 252}, 0x00FF00, &Merlo::IdC_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Coins"), QT_TRANSLATE_NOOP("Merlo", "Coins: place the four top-layer corners"), nullptr},
    {&Merlo::RangerM, "RangerM", "Zone M", &Merlo::Frame4, {120, 1320, 732, 252}, 0x00FF00, &Merlo::RangerM_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Zone M"), QT_TRANSLATE_NOOP("Merlo", "Zone M: complete the middle layer"), nullptr},
    {&Merlo::FaceB, "FaceB", "Face B", &Merlo::Frame4, {120, 1680, 732, 252}, 0x00FF00, &Merlo::FaceB_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Face B"), QT_TRANSLATE_NOOP("Merlo", "Face B: turn the cube over and finish the new top layer"), nullptr},
    {&Merlo::UneFace, "UneFace", "T", &Merlo::Frame4, {480, 2040, 252, 252}, 0xFFFFC0, &Merlo::UneFace_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage T"), QT_TRANSLATE_NOOP("Merlo", "T: finish the top face when only its corners are wrong"), nullptr},
    {&Merlo::Ar, "Ar", "Ar", &Merlo::Frame6, {120, 120, 375, 255}, SansCouleur, &Merlo::Ar_Click, QT_TRANSLATE_NOOP("Merlo", "Macro Ar"),
     QT_TRANSLATE_NOOP("Merlo", "Ar: cycles three top edges, two of them flipped"), SeqAr},
    {&Merlo::CG, "CG", "CG", &Merlo::Frame6, {120, 480, 375, 255}, SansCouleur, &Merlo::CG_Click, QT_TRANSLATE_NOOP("Merlo", "Macro CG"),
     QT_TRANSLATE_NOOP("Merlo", "CG: brings the bottom-right edge up to the front-right of the middle layer"), SeqCG},
    {&Merlo::CD, "CD", "CD", &Merlo::Frame6, {600, 480, 375, 255}, SansCouleur, &Merlo::CD_Click, QT_TRANSLATE_NOOP("Merlo", "Macro CD"),
     QT_TRANSLATE_NOOP("Merlo", "CD: brings the bottom-right edge up to the back-right of the middle layer"), SeqCD},
    {&Merlo::A, "A", "A", &Merlo::Frame6, {120, 840, 255, 255}, SansCouleur, &Merlo::A_Click, QT_TRANSLATE_NOOP("Merlo", "Macro A"),
     QT_TRANSLATE_NOOP("Merlo", "A: top layer only; edges as PA, corners swapped in pairs"), SeqA},
    {&Merlo::B, "B", "B", &Merlo::Frame6, {600, 840, 255, 255}, SansCouleur, &Merlo::B_Click, QT_TRANSLATE_NOOP("Merlo", "Macro B"),
     QT_TRANSLATE_NOOP("Merlo", "B: top layer only; edges the other way, corners swapped in pairs"), SeqB},
    {&Merlo::PA, "PA", "PA", &Merlo::Frame6, {120, 1200, 375, 255}, SansCouleur, &Merlo::PA_Click, QT_TRANSLATE_NOOP("Merlo", "Macro PA"),
     QT_TRANSLATE_NOOP("Merlo", "PA: cycles three top edges (left to back to right)"), SeqPA},
    {&Merlo::PC, "PC", "PC", &Merlo::Frame6, {600, 1200, 375, 255}, SansCouleur, &Merlo::PC_Click, QT_TRANSLATE_NOOP("Merlo", "Macro PC"),
     QT_TRANSLATE_NOOP("Merlo", "PC: cycles three top corners"), SeqPC},
    {&Merlo::Clear, "Clear", "Clear", nullptr, {1200, 7200, 495, 375}, SansCouleur, &Merlo::Clear_Click,
     QT_TRANSLATE_NOOP("Merlo", "Clear the log"), QT_TRANSLATE_NOOP("Merlo", "Clear: empty the log; the cube stays"), nullptr},
    {&Merlo::InvD, "InvD", "&I", nullptr, {2040, 7200, 255, 255}, SansCouleur, &Merlo::InvD_Click,
     QT_TRANSLATE_NOOP("Merlo", "Undo one log line"), QT_TRANSLATE_NOOP("Merlo", "I: undo the selected log line, or the last one (Alt+I)"), nullptr},
    {&Merlo::Inv, "Inv", "Inv", nullptr, {2520, 7200, 495, 375}, SansCouleur, &Merlo::Inv_Click,
     QT_TRANSLATE_NOOP("Merlo", "Undo the whole log"), QT_TRANSLATE_NOOP("Merlo", "Inv: undo every line of the log, last first"), nullptr},
};

struct OptionDef {
    QRadioButton* Merlo::*membre;
    const char* nom;
    const char* legende;
    QGroupBox* Merlo::*cadre;
    Place place;
    bool choisie;
    const char* nomAccessible;
};

constexpr OptionDef options[] = {
    {&Merlo::OptGauche, "OptGauche", "G", &Merlo::Frame1, {120, 120, 495, 255}, true, QT_TRANSLATE_NOOP("Merlo", "Left column")},
    {&Merlo::OptM, "OptM", "M", &Merlo::Frame1, {120, 480, 495, 255}, false, QT_TRANSLATE_NOOP("Merlo", "Middle column")},
    {&Merlo::OptDroit, "OptDroit", "D", &Merlo::Frame1, {120, 840, 495, 255}, false, QT_TRANSLATE_NOOP("Merlo", "Right column")},
    {&Merlo::OptArr, "OptArr", "A", &Merlo::Frame2, {120, 120, 495, 255}, true, QT_TRANSLATE_NOOP("Merlo", "Back slice")},
    {&Merlo::OptMi, "OptMi", "M", &Merlo::Frame2, {600, 120, 495, 255}, false, QT_TRANSLATE_NOOP("Merlo", "Middle slice")},
    {&Merlo::OptFront, "OptFront", "F", &Merlo::Frame2, {1200, 120, 495, 255}, false, QT_TRANSLATE_NOOP("Merlo", "Front slice")},
    {&Merlo::OptHaut, "OptHaut", "H", &Merlo::Frame3, {120, 120, 495, 255}, true, QT_TRANSLATE_NOOP("Merlo", "Top layer")},
    {&Merlo::OptMil, "OptMil", "M", &Merlo::Frame3, {600, 120, 495, 255}, false, QT_TRANSLATE_NOOP("Merlo", "Middle layer")},
    {&Merlo::OptBas, "OptBas", "B", &Merlo::Frame3, {1080, 120, 495, 255}, false, QT_TRANSLATE_NOOP("Merlo", "Bottom layer")},
};

struct FlecheDef {
    const char* nom;
    Dessin image;
    int left, top;
    QRadioButton* Merlo::*option;
    void (Merlo::*primitive)();
    const char* nomAccessible;
};

// Same order as MERLO_FLECHES. H and V buttons are 375 x 375 twips, T buttons 495 x 375.
constexpr FlecheDef fleches[] = {
    {"HHD", Dessin::Droite, 2640, 4320, &Merlo::OptHaut, &Merlo::HorizD_Click, QT_TRANSLATE_NOOP("Merlo", "Turn top layer right")},
    {"HGH", Dessin::Gauche, 960, 4320, &Merlo::OptHaut, &Merlo::HorizG_Click, QT_TRANSLATE_NOOP("Merlo", "Turn top layer left")},
    {"HMD", Dessin::Droite, 2880, 4440, &Merlo::OptMil, &Merlo::HorizD_Click, QT_TRANSLATE_NOOP("Merlo", "Turn middle layer right")},
    {"HGM", Dessin::Gauche, 720, 4440, &Merlo::OptMil, &Merlo::HorizG_Click, QT_TRANSLATE_NOOP("Merlo", "Turn middle layer left")},
    {"HBD", Dessin::Droite, 3120, 4560, &Merlo::OptBas, &Merlo::HorizD_Click, QT_TRANSLATE_NOOP("Merlo", "Turn bottom layer right")},
    {"HGB", Dessin::Gauche, 480, 4560, &Merlo::OptBas, &Merlo::HorizG_Click, QT_TRANSLATE_NOOP("Merlo", "Turn bottom layer left")},
    {"VHG", Dessin::Haut, 3600, 1560, &Merlo::OptGauche, &Merlo::VHaut_Click, QT_TRANSLATE_NOOP("Merlo", "Turn left column up")},
    {"VBG", Dessin::Bas, 3600, 3120, &Merlo::OptGauche, &Merlo::VBas_Click, QT_TRANSLATE_NOOP("Merlo", "Turn left column down")},
    {"VHM", Dessin::Haut, 3720, 1200, &Merlo::OptM, &Merlo::VHaut_Click, QT_TRANSLATE_NOOP("Merlo", "Turn middle column up")},
    {"VBM", Dessin::Bas, 3720, 3480, &Merlo::OptM, &Merlo::VBas_Click, QT_TRANSLATE_NOOP("Merlo", "Turn middle column down")},
    {"VHD", Dessin::Haut, 3840, 840, &Merlo::OptDroit, &Merlo::VHaut_Click, QT_TRANSLATE_NOOP("Merlo", "Turn right column up")},
    {"VBD", Dessin::Bas, 3840, 3840, &Merlo::OptDroit, &Merlo::VBas_Click, QT_TRANSLATE_NOOP("Merlo", "Turn right column down")},
    {"TDF", Dessin::ArcDroite, 2520, 240, &Merlo::OptFront, &Merlo::FrontD_Click, QT_TRANSLATE_NOOP("Merlo", "Turn front slice clockwise")},
    {"TGF", Dessin::ArcGauche, 1080, 240, &Merlo::OptFront, &Merlo::FrontG_Click, QT_TRANSLATE_NOOP("Merlo", "Turn front slice anticlockwise")},
    {"TDM", Dessin::ArcDroite, 2760, 360, &Merlo::OptMi, &Merlo::FrontD_Click, QT_TRANSLATE_NOOP("Merlo", "Turn middle slice clockwise")},
    {"TGM", Dessin::ArcGauche, 840, 360, &Merlo::OptMi, &Merlo::FrontG_Click, QT_TRANSLATE_NOOP("Merlo", "Turn middle slice anticlockwise")},
    {"TDA", Dessin::ArcDroite, 3000, 480, &Merlo::OptArr, &Merlo::FrontD_Click, QT_TRANSLATE_NOOP("Merlo", "Turn back slice clockwise, seen from the front")},
    {"TGA", Dessin::ArcGauche, 600, 480, &Merlo::OptArr, &Merlo::FrontG_Click, QT_TRANSLATE_NOOP("Merlo", "Turn back slice anticlockwise, seen from the front")},
};

enum IndexFleche {
#define MERLO_INDEX_FLECHE(name) k##name,
    MERLO_FLECHES(MERLO_INDEX_FLECHE)
#undef MERLO_INDEX_FLECHE
        NombreFleches
};
static_assert(NombreFleches == std::size(fleches));

bool EstT(Dessin f) { return f == Dessin::ArcDroite || f == Dessin::ArcGauche; }

// The turn of an arrow or whole-cube button; the notation names each one.
notation::Turn Tour(const char* nom) { return *notation::FromButton(QString::fromLatin1(nom)); }

// A sequence of arrow names ("VBD HGH") in cube notation ("R' U").
QString EnNotation(const char* sequence)
{
    QStringList coups;
    for (const QString& nom : QString::fromLatin1(sequence).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (const auto t = notation::FromButton(nom))
            coups << notation::Name(*t);
    return coups.join(QLatin1Char(' '));
}

// Face colour of a button. A style sheet keeps the colour under every widget style; the rest keeps
// the small captions inside their buttons. The style sheet draws the focus mark too: with a border
// of its own, a button no longer gets the widget style's.
QString Style(long couleur)
{
    const QColor fond = couleur == SansCouleur ? QColor(0xE1, 0xE1, 0xE1) : QColor::fromRgb(static_cast<QRgb>(couleur));
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #6d6d6d; border-radius: 2px;"
                          " padding: 0px; }"
                          " QPushButton:pressed { background-color: %2; }"
                          " QPushButton:focus { border: 2px solid palette(highlight); }")
        .arg(fond.name(), fond.darker(125).name());
}

} // namespace

QString Merlo::NotationFleche(const QString& nom)
{
    const auto t = notation::FromButton(nom);
    return t && *t < notation::Turn::Haut ? notation::Name(*t) : QString();
}

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
    m_Historique = new Historique(*this);
    InstallerClavier(*this);
    auto* avis = new Avis(this, CUBE1);
    m_Commandes = new TableCommandes(this, List1);
    m_Disposition.Surmonter(m_Commandes->Barre());
    new MenuJournal(*this, *avis);
    new GuideEtapes(*this, *avis);
    m_Animation = new AnimationTours(*this);
    // Last: it reads the buttons' commands as they are connected now.
    InstallerRelecture(*this, *avis);

    // The drawn layout at one scale, centred under the menu bar: every control keeps its place and
    // shape, down to a size where the captions still read.
    const QSize barre(0, m_Disposition.HauteurBarre(TailleDessin().width()));
    setMinimumSize(Twips(0, 0, LargeurDessin, HauteurDessin, 0.6).size() + barre);
    resize(TailleDessin() + barre);
    m_Disposition.Disposer(size());
    // Looking around the cube and turning it by hand (app/look/); it may make room beside the layout.
    InstallerRegard(*this);
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

void Merlo::CreerControles()
{
    for (const CadreDef& c : cadres) {
        QGroupBox* cadre = new QGroupBox(this);
        cadre->setObjectName(QLatin1String(c.nom));
        Placer(cadre, c.place.Twips());
        cadre->setVisible(c.visible);
        cadre->setAccessibleName(tr(c.nomAccessible));
        cadre->setToolTip(tr(c.nomAccessible));
        this->*c.membre = cadre;
    }

    for (const BoutonDef& b : boutons) {
        QWidget* parent = b.cadre ? static_cast<QWidget*>(this->*b.cadre) : this;
        QPushButton* bouton = new QPushButton(QString::fromUtf8(b.legende), parent);
        bouton->setObjectName(QLatin1String(b.nom));
        Placer(bouton, b.place.Twips());
        bouton->setStyleSheet(Style(b.couleur));
        bouton->setFocusPolicy(Qt::TabFocus);
        bouton->setAccessibleName(tr(b.nomAccessible));
        QString aide = tr(b.aide);
        if (b.sequence) {
            aide += QStringLiteral("\n") + EnNotation(b.sequence);
            bouton->setAccessibleDescription(aide);
        }
        bouton->setToolTip(aide);
        // A stage, a macro or the scramble marks the lines it writes with its caption.
        const QString nom = bouton->text().remove(QLatin1Char('&'));
        const bool marque = b.cadre == &Merlo::Frame4 || b.cadre == &Merlo::Frame6 || b.action == &Merlo::Melange_Click;
        connect(bouton, &QPushButton::clicked, this, [this, nom, marque, action = b.action] {
            m_Historique->Executer(marque ? nom : QString(), nom, [this, action] { (this->*action)(); });
        });
        this->*b.membre = bouton;
    }

    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("Message"));
    Placer(Message, QRect(1080, 4800, 1692, 252));
    Message->setAccessibleName(tr("Lines in the log"));
    Message->setToolTip(tr("Lines in the log"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    Placer(List1, QRect(1080, 5160, 2052, 1968));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A list box scrolls up and down only; its lines fit its width.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    // Every line has the same height, and lines wider than the list are never scrolled to: measuring
    // one line tells the list all it needs. Otherwise it measures every line again whenever one is
    // added, which a long solve does a few hundred times.
    List1->setUniformItemSizes(true);
    List1->setAccessibleName(tr("Move log"));
    List1->setAccessibleDescription(tr("One line per turn, oldest first. Double-click a line to remove "
                                       "it from the log; the cube does not change."));
    List1->setToolTip(tr("Move log: double-click a line to remove it (the cube stays)"));
    connect(List1, &QListWidget::itemDoubleClicked, this,
            [this] { m_Historique->Executer(QString(), tr("Remove line"), [this] { List1_DblClick(); }); });

    m_GroupeV = new QButtonGroup(this);
    m_GroupeT = new QButtonGroup(this);
    m_GroupeH = new QButtonGroup(this);
    for (const OptionDef& o : options) {
        QGroupBox* cadre = this->*o.cadre;
        QRadioButton* option = new QRadioButton(QString::fromUtf8(o.legende), cadre);
        option->setObjectName(QLatin1String(o.nom));
        Placer(option, o.place.Twips());
        option->setAccessibleName(tr(o.nomAccessible));
        option->setToolTip(tr(o.nomAccessible));
        QButtonGroup* groupe = cadre == Frame1 ? m_GroupeV : cadre == Frame2 ? m_GroupeT : m_GroupeH;
        groupe->addButton(option);
        option->setChecked(o.choisie);
        this->*o.membre = option;
    }

    for (std::size_t i = 0; i < std::size(fleches); ++i) {
        const FlecheDef& f = fleches[i];
        QPushButton* bouton = new QPushButton(this);
        bouton->setObjectName(QLatin1String(f.nom));
        Placer(bouton, QRect(f.left, f.top, EstT(f.image) ? 495 : 375, 375), TailleFleche(f.image));
        bouton->setIcon(IconeFleche(f.image));
        bouton->setStyleSheet(Style(SansCouleur));
        bouton->setFocusPolicy(Qt::TabFocus);
        const notation::Turn tour = Tour(f.nom);
        const QString notation = notation::Name(tour), ligne = QString::fromUtf16(notation::Info(tour).log);
        bouton->setAccessibleName(tr("%1 (%2)").arg(tr(f.nomAccessible), notation));
        bouton->setAccessibleDescription(tr("Logs \u201c%1\u201d").arg(ligne));
        bouton->setToolTip(notation + QStringLiteral(" \u2014 ") + ligne);
        connect(bouton, &QPushButton::clicked, this, [this, i, notation] {
            m_Historique->Executer(QString(), notation, [this, i] { Fleche(static_cast<int>(i)); });
        });
        m_Fleches[i] = bouton;
    }
    // The arrows of each side stand in a staircase and overlap. Stacking them so the first of each
    // row (top layer, front slice, right column) lies on top leaves every arrow's head in sight.
    for (std::size_t i = std::size(fleches); i-- > 0;)
        m_Fleches[i]->raise();
    MasquerRecouvrements({m_Fleches.begin(), m_Fleches.end()});
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
    if (!outil.startDetached())
        Fatal(tr("Cannot run \"regocx32.exe cube.ocx\" in %1: %2")
                  .arg(QDir::toNativeSeparators(dossier), outil.errorString()));
}

void Merlo::Form_Unload()
{
    // Ends the program here and now. The close may arrive while a command waits in DoEvents()
    // deep inside its own loop; returning there would run it on a window that is going away. Nothing
    // is kept after the end, so there is nothing to save: flush what was written and stop.
    std::fflush(nullptr);
    std::_Exit(0);
}

void Merlo::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void Merlo::DoEvents()
{
    ++m_DansDoEvents;
    QCoreApplication::processEvents();
    --m_DansDoEvents;
}

void Merlo::Init_Click()
{
    CUBE().InitG();
    FaceVue = CUBE().WichFace(2);
    CUBE().AfficherFace(FaceVue);
}

void Merlo::Clear_Click()
{
    List1->clear();
    MajMessage();
}

// --- the arrow buttons -------------------------------------------------------------------------

void Merlo::Fleche(int i)
{
    const FlecheDef& f = fleches[i];
    QRadioButton* option = this->*f.option;
    if (!option->isChecked())
        option->setChecked(true);
    (this->*f.primitive)();
}

#define MERLO_DEFINE_FLECHE(name) \
    void Merlo::name##_Click() { Fleche(k##name); }
MERLO_FLECHES(MERLO_DEFINE_FLECHE)
#undef MERLO_DEFINE_FLECHE

void Merlo::Jouer(const char* notation)
{
    for (const char* p = notation; *p;) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        const char* fin = p;
        while (*fin && *fin != ' ')
            ++fin;
        const std::size_t longueur = static_cast<std::size_t>(fin - p);
        int trouve = -1;
        for (std::size_t i = 0; i < std::size(fleches); ++i)
            if (std::strlen(fleches[i].nom) == longueur && std::strncmp(fleches[i].nom, p, longueur) == 0)
                trouve = static_cast<int>(i);
        if (trouve < 0)
            Fatal(tr("Unknown move \"%1\"").arg(QString::fromLatin1(p, static_cast<qsizetype>(longueur))));
        Fleche(trouve);
        p = fin;
    }
}
