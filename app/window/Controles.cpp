// The window's controls, built from tables: frames, buttons, the log and its counter, the hidden
// option groups and the 18 arrows; then the commands their buttons trigger.
#include "Merlo.h"

#include "Clavier.h"
#include "Fleches.h"
#include "GuideEtapes.h"
#include "Resolveur.h"
#include "Historique.h"
#include "Legendes.h"
#include "Recouvrement.h"
#include "TableCommandes.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

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

// Its caption, what it means and its tooltip come from the table of captions (legendes::).
struct BoutonDef {
    QPushButton* Merlo::*membre;
    const char* nom;
    QGroupBox* Merlo::*cadre; // nullptr: on the window
    Place place;
    long couleur; // 0xRRGGBB, or SansCouleur
    void (ModeleSession::*commande)(); // the session's command, or
    void (Resolveur::*etape)();        // a stage
    const char* nomAccessible;
};

constexpr BoutonDef boutons[] = {
    {&Merlo::Haut, "Haut", nullptr, {1800, 480, 492, 252}, 0xFFFF00, &ModeleSession::Haut_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube up (x)")},
    {&Merlo::Bas, "Bas", nullptr, {1680, 4320, 612, 252}, 0xFFFF00, &ModeleSession::Bas_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube down (x')")},
    {&Merlo::Gauche, "Gauche", nullptr, {0, 2640, 372, 372}, 0xFFFF00, &ModeleSession::Gauche_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube left (y)")},
    {&Merlo::Droite, "Droite", nullptr, {3600, 2400, 372, 372}, 0xFFFF00, &ModeleSession::Droite_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Turn the whole cube right (y')")},
    {&Merlo::Init, "Init", &Merlo::Frame5, {120, 120, 612, 252}, 0xFF8080, &ModeleSession::Init_Click, nullptr,
     QT_TRANSLATE_NOOP("Merlo", "Reset the colours")},
    {&Merlo::Melange, "Melange", &Merlo::Frame5, {3000, 120, 855, 255}, 0x80FF80, &ModeleSession::Melange_Click, nullptr,
     QT_TRANSLATE_NOOP("Merlo", "Scramble")},
    {&Merlo::RangerHaut, "RangerHaut", &Merlo::Frame4, {120, 240, 612, 252}, 0x00FF00,
     nullptr, &Resolveur::RangerHaut_Click, QT_TRANSLATE_NOOP("Merlo", "Stage FaceH")},
    {&Merlo::IdM, "IdM", &Merlo::Frame4, {120, 600, 612, 252}, 0x00FF00, nullptr, &Resolveur::IdM_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Arretes")},
    {&Merlo::IdC, "IdC", &Merlo::Frame4, {120, 960, 612, 252}, 0x00FF00, nullptr, &Resolveur::IdC_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Coins")},
    {&Merlo::RangerM, "RangerM", &Merlo::Frame4, {120, 1320, 732, 252}, 0x00FF00, nullptr, &Resolveur::RangerM_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Zone M")},
    {&Merlo::FaceB, "FaceB", &Merlo::Frame4, {120, 1680, 732, 252}, 0x00FF00, nullptr, &Resolveur::FaceB_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage Face B")},
    {&Merlo::UneFace, "UneFace", &Merlo::Frame4, {480, 2040, 252, 252}, 0xFFFFC0, nullptr, &Resolveur::UneFace_Click,
     QT_TRANSLATE_NOOP("Merlo", "Stage T")},
    {&Merlo::Ar, "Ar", &Merlo::Frame6, {120, 120, 375, 255}, SansCouleur, &ModeleSession::Ar_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro Ar")},
    {&Merlo::CG, "CG", &Merlo::Frame6, {120, 480, 375, 255}, SansCouleur, &ModeleSession::CG_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro CG")},
    {&Merlo::CD, "CD", &Merlo::Frame6, {600, 480, 375, 255}, SansCouleur, &ModeleSession::CD_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro CD")},
    {&Merlo::A, "A", &Merlo::Frame6, {120, 840, 255, 255}, SansCouleur, &ModeleSession::A_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro A")},
    {&Merlo::B, "B", &Merlo::Frame6, {600, 840, 255, 255}, SansCouleur, &ModeleSession::B_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro B")},
    {&Merlo::PA, "PA", &Merlo::Frame6, {120, 1200, 375, 255}, SansCouleur, &ModeleSession::PA_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro PA")},
    {&Merlo::PC, "PC", &Merlo::Frame6, {600, 1200, 375, 255}, SansCouleur, &ModeleSession::PC_Click, nullptr, QT_TRANSLATE_NOOP("Merlo", "Macro PC")},
    {&Merlo::Clear, "Clear", nullptr, {1200, 7200, 495, 375}, SansCouleur, &ModeleSession::Clear_Click, nullptr,
     QT_TRANSLATE_NOOP("Merlo", "Clear the log")},
    {&Merlo::InvD, "InvD", nullptr, {2040, 7200, 255, 255}, SansCouleur, &ModeleSession::InvD_Click, nullptr,
     QT_TRANSLATE_NOOP("Merlo", "Undo one log line")},
    {&Merlo::Inv, "Inv", nullptr, {2520, 7200, 495, 375}, SansCouleur, &ModeleSession::Inv_Click, nullptr,
     QT_TRANSLATE_NOOP("Merlo", "Undo the whole log")},};

struct OptionDef {
    SurfaceEtapes::Option option;
    const char* legende;
    QGroupBox* Merlo::*cadre;
    Place place;
    const char* nomAccessible;
};

using O = SurfaceEtapes::Option;
// In the order of SurfaceEtapes::Option.
constexpr OptionDef options[] = {
    {O::OptGauche, "G", &Merlo::Frame1, {120, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Left column")},
    {O::OptM, "M", &Merlo::Frame1, {120, 480, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Middle column")},
    {O::OptDroit, "D", &Merlo::Frame1, {120, 840, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Right column")},
    {O::OptArr, "A", &Merlo::Frame2, {120, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Back slice")},
    {O::OptMi, "M", &Merlo::Frame2, {600, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Middle slice")},
    {O::OptFront, "F", &Merlo::Frame2, {1200, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Front slice")},
    {O::OptHaut, "H", &Merlo::Frame3, {120, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Top layer")},
    {O::OptMil, "M", &Merlo::Frame3, {600, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Middle layer")},
    {O::OptBas, "B", &Merlo::Frame3, {1080, 120, 495, 255}, QT_TRANSLATE_NOOP("Merlo", "Bottom layer")},
};

// An arrow: its turn (which names it, and says what it logs and how it turns), its picture and place.
struct FlecheDef {
    notation::Turn tour;
    Dessin image;
    int left, top;
    const char* nomAccessible;
};

// H and V buttons are 375 x 375 twips, T buttons 495 x 375.
using T = notation::Turn;
constexpr FlecheDef fleches[] = {
    {T::HHD, Dessin::Droite, 2640, 4320, QT_TRANSLATE_NOOP("Merlo", "Turn top layer right")},
    {T::HGH, Dessin::Gauche, 960, 4320, QT_TRANSLATE_NOOP("Merlo", "Turn top layer left")},
    {T::HMD, Dessin::Droite, 2880, 4440, QT_TRANSLATE_NOOP("Merlo", "Turn middle layer right")},
    {T::HGM, Dessin::Gauche, 720, 4440, QT_TRANSLATE_NOOP("Merlo", "Turn middle layer left")},
    {T::HBD, Dessin::Droite, 3120, 4560, QT_TRANSLATE_NOOP("Merlo", "Turn bottom layer right")},
    {T::HGB, Dessin::Gauche, 480, 4560, QT_TRANSLATE_NOOP("Merlo", "Turn bottom layer left")},
    {T::VHG, Dessin::Haut, 3600, 1560, QT_TRANSLATE_NOOP("Merlo", "Turn left column up")},
    {T::VBG, Dessin::Bas, 3600, 3120, QT_TRANSLATE_NOOP("Merlo", "Turn left column down")},
    {T::VHM, Dessin::Haut, 3720, 1200, QT_TRANSLATE_NOOP("Merlo", "Turn middle column up")},
    {T::VBM, Dessin::Bas, 3720, 3480, QT_TRANSLATE_NOOP("Merlo", "Turn middle column down")},
    {T::VHD, Dessin::Haut, 3840, 840, QT_TRANSLATE_NOOP("Merlo", "Turn right column up")},
    {T::VBD, Dessin::Bas, 3840, 3840, QT_TRANSLATE_NOOP("Merlo", "Turn right column down")},
    {T::TDF, Dessin::ArcDroite, 2520, 240, QT_TRANSLATE_NOOP("Merlo", "Turn front slice clockwise")},
    {T::TGF, Dessin::ArcGauche, 1080, 240, QT_TRANSLATE_NOOP("Merlo", "Turn front slice anticlockwise")},
    {T::TDM, Dessin::ArcDroite, 2760, 360, QT_TRANSLATE_NOOP("Merlo", "Turn middle slice clockwise")},
    {T::TGM, Dessin::ArcGauche, 840, 360, QT_TRANSLATE_NOOP("Merlo", "Turn middle slice anticlockwise")},
    {T::TDA, Dessin::ArcDroite, 3000, 480, QT_TRANSLATE_NOOP("Merlo", "Turn back slice clockwise, seen from the front")},
    {T::TGA, Dessin::ArcGauche, 600, 480, QT_TRANSLATE_NOOP("Merlo", "Turn back slice anticlockwise, seen from the front")},
};

bool EstT(Dessin f) { return f == Dessin::ArcDroite || f == Dessin::ArcGauche; }

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
        QPushButton* bouton = new QPushButton(QString::fromUtf8(legendes::De(QString::fromLatin1(b.nom))->legende), parent);
        bouton->setObjectName(QLatin1String(b.nom));
        Placer(bouton, b.place.Twips());
        bouton->setStyleSheet(Style(b.couleur));
        bouton->setFocusPolicy(Qt::TabFocus);
        bouton->setAccessibleName(tr(b.nomAccessible));
        this->*b.membre = bouton;
    }

    CreerJournal();

    for (const OptionDef& o : options) {
        QRadioButton* option = new QRadioButton(QString::fromUtf8(o.legende), this->*o.cadre);
        option->setObjectName(QLatin1String(InfoOption(o.option).nom));
        Placer(option, o.place.Twips());
        option->setAccessibleName(tr(o.nomAccessible));
        option->setToolTip(tr(o.nomAccessible));
        m_Options[static_cast<std::size_t>(o.option)] = option;
    }
    OptGauche = m_Options[0], OptM = m_Options[1], OptDroit = m_Options[2];
    OptArr = m_Options[3], OptMi = m_Options[4], OptFront = m_Options[5];
    OptHaut = m_Options[6], OptMil = m_Options[7], OptBas = m_Options[8];
    // One exclusive group per frame: exactly one option of each is checked, as the session chooses.
    for (QGroupBox* cadre : {Frame1, Frame2, Frame3}) {
        auto* groupe = new QButtonGroup(cadre);
        for (QRadioButton* option : cadre->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            groupe->addButton(option);
    }

    for (std::size_t i = 0; i < std::size(fleches); ++i) {
        const FlecheDef& f = fleches[i];
        const notation::TurnInfo& tour = notation::Info(f.tour);
        QPushButton* bouton = new QPushButton(this);
        bouton->setObjectName(QLatin1String(tour.button));
        Placer(bouton, QRect(f.left, f.top, EstT(f.image) ? 495 : 375, 375), TailleFleche(f.image));
        bouton->setIcon(IconeFleche(f.image));
        bouton->setStyleSheet(Style(SansCouleur));
        bouton->setFocusPolicy(Qt::TabFocus);
        bouton->setAccessibleName(tr("%1 (%2)").arg(tr(f.nomAccessible), notation::Name(f.tour)));
        m_Fleches[i] = bouton;
    }
    // The arrows of each side stand in a staircase and overlap. Stacking them so the first of each
    // row (top layer, front slice, right column) lies on top leaves every arrow's head in sight.
    for (std::size_t i = std::size(fleches); i-- > 0;)
        m_Fleches[i]->raise();
    MasquerRecouvrements({m_Fleches.begin(), m_Fleches.end()});
}

void Merlo::CreerJournal()
{
    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("Message"));
    Placer(Message, QRect(1080, 4800, 1692, 252));
    Message->setAccessibleName(tr("Lines in the log"));
    Message->setToolTip(tr("Lines in the log"));

    List1 = new QListView(this);
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
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setAccessibleName(tr("Move log"));
    List1->setAccessibleDescription(tr("One line per turn, oldest first. Double-click a line to remove "
                                       "it from the log; the cube does not change."));
    List1->setToolTip(tr("Move log: double-click a line to remove it (the cube stays)"));
}

void Merlo::CreerCommandes()
{
    TableCommandes& t = *m_Commandes;
    for (const BoutonDef& b : boutons) {
        QPushButton* bouton = this->*b.membre;
        // A stage, a macro or the scramble marks the lines it writes with its caption.
        const QString nom = bouton->text().remove(QLatin1Char('&'));
        const bool marque = b.cadre == &Merlo::Frame4 || b.cadre == &Merlo::Frame6 || bouton == Melange;
        if (b.etape) {
            t.Bouton(bouton, [this, nom, bouton, etape = b.etape] {
                const bool resolu = m_Guide->Lire().resolu;
                Commande(nom, true, [&] { m_Guide->Lancer(bouton->objectName(), [this, etape] { (m_Etapes.get()->*etape)(); }); });
                m_Guide->DireSiResolu(resolu);
            });
        } else {
            t.Bouton(bouton,
                     [this, nom, marque, commande = b.commande] { Commande(nom, marque, [this, commande] { (m_Session->*commande)(); }); });
        }
    }
    for (std::size_t i = 0; i < std::size(fleches); ++i) {
        const notation::Turn tour = fleches[i].tour;
        t.Bouton(m_Fleches[i], [this, tour] { Commande(notation::Name(tour), false, [this, tour] { m_Session->Jouer(tour); }); });
    }
    // Removal of the chosen line: a double-click on the log, or Delete or Backspace on it.
    auto* supprimer = new QAction(tr("Remove line"), m_Commandes);
    supprimer->setObjectName(QStringLiteral("SupprimerLigne"));
    connect(supprimer, &QAction::triggered, this, [this] { Commande(tr("Remove line"), false, [this] { m_Session->List1_DblClick(); }); });
    t.Entrer(supprimer);
    connect(List1, &QAbstractItemView::doubleClicked, supprimer, &QAction::trigger);
    InstallerClavier(*this, List1, supprimer);
}
