// The window: its controls, built from tables; start-up and shut-down; the arrow buttons and the
// macros, which are tables of moves.
#include "Merlo.h"

#include "CUBEHost.h"
#include "Fatal.h"
#include "Fleches.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Place {
    int left, top, width, height;
    QRect Pixels() const { return Twips(left, top, width, height); }
};

constexpr long SansCouleur = -1;

struct CadreDef {
    QGroupBox* Merlo::*membre;
    const char* nom;
    Place place;
    bool visible;
};

// Every frame sits on the window; the option frames only hold the layer selection and stay hidden.
constexpr CadreDef cadres[] = {
    {&Merlo::Frame5, "Frame5", {120, 0, 3972, 372}, true},
    {&Merlo::Frame4, "Frame4", {0, 5040, 972, 2412}, true},
    {&Merlo::Frame6, "Frame6", {3120, 5160, 1092, 1692}, true},
    {&Merlo::Frame1, "Frame1", {3360, 5160, 732, 1212}, false},
    {&Merlo::Frame2, "Frame2", {0, 5520, 1932, 492}, false},
    {&Merlo::Frame3, "Frame3", {2520, 6960, 2052, 372}, false},
};

struct BoutonDef {
    QPushButton* Merlo::*membre;
    const char* nom;
    const char* legende;
    QGroupBox* Merlo::*cadre; // nullptr: on the window
    Place place;
    long couleur; // 0xRRGGBB, or SansCouleur
    void (Merlo::*action)();
};

constexpr BoutonDef boutons[] = {
    {&Merlo::Haut, "Haut", "Haut", nullptr, {1800, 480, 492, 252}, 0xFFFF00, &Merlo::Haut_Click},
    {&Merlo::Bas, "Bas", "Bas", nullptr, {1680, 4320, 612, 252}, 0xFFFF00, &Merlo::Bas_Click},
    {&Merlo::Gauche, "Gauche", "<--", nullptr, {0, 2640, 372, 372}, 0xFFFF00, &Merlo::Gauche_Click},
    {&Merlo::Droite, "Droite", "-->", nullptr, {3600, 2400, 372, 372}, 0xFFFF00, &Merlo::Droite_Click},
    {&Merlo::Init, "Init", "Init", &Merlo::Frame5, {120, 120, 612, 252}, 0xFF8080, &Merlo::Init_Click},
    {&Merlo::Melange, "Melange", "Melange", &Merlo::Frame5, {3000, 120, 855, 255}, 0x80FF80, &Merlo::Melange_Click},
    {&Merlo::RangerHaut, "RangerHaut", "FaceH", &Merlo::Frame4, {120, 240, 612, 252}, 0x00FF00,
     &Merlo::RangerHaut_Click},
    {&Merlo::IdM, "IdM", "Arretes", &Merlo::Frame4, {120, 600, 612, 252}, 0x00FF00, &Merlo::IdM_Click},
    {&Merlo::IdC, "IdC", "Coins", &Merlo::Frame4, {120, 960, 612, 252}, 0x00FF00, &Merlo::IdC_Click},
    {&Merlo::RangerM, "RangerM", "Zone M", &Merlo::Frame4, {120, 1320, 732, 252}, 0x00FF00, &Merlo::RangerM_Click},
    {&Merlo::FaceB, "FaceB", "Face B", &Merlo::Frame4, {120, 1680, 732, 252}, 0x00FF00, &Merlo::FaceB_Click},
    {&Merlo::UneFace, "UneFace", "T", &Merlo::Frame4, {480, 2040, 252, 252}, 0xFFFFC0, &Merlo::UneFace_Click},
    {&Merlo::Ar, "Ar", "Ar", &Merlo::Frame6, {120, 120, 375, 255}, SansCouleur, &Merlo::Ar_Click},
    {&Merlo::CG, "CG", "CG", &Merlo::Frame6, {120, 480, 375, 255}, SansCouleur, &Merlo::CG_Click},
    {&Merlo::CD, "CD", "CD", &Merlo::Frame6, {600, 480, 375, 255}, SansCouleur, &Merlo::CD_Click},
    {&Merlo::A, "A", "A", &Merlo::Frame6, {120, 840, 255, 255}, SansCouleur, &Merlo::A_Click},
    {&Merlo::B, "B", "B", &Merlo::Frame6, {600, 840, 255, 255}, SansCouleur, &Merlo::B_Click},
    {&Merlo::PA, "PA", "PA", &Merlo::Frame6, {120, 1200, 375, 255}, SansCouleur, &Merlo::PA_Click},
    {&Merlo::PC, "PC", "PC", &Merlo::Frame6, {600, 1200, 375, 255}, SansCouleur, &Merlo::PC_Click},
    {&Merlo::Clear, "Clear", "Clear", nullptr, {1200, 7200, 495, 375}, SansCouleur, &Merlo::Clear_Click},
    {&Merlo::InvD, "InvD", "&I", nullptr, {2040, 7200, 255, 255}, SansCouleur, &Merlo::InvD_Click},
    {&Merlo::Inv, "Inv", "Inv", nullptr, {2520, 7200, 495, 375}, SansCouleur, &Merlo::Inv_Click},
};

struct OptionDef {
    QRadioButton* Merlo::*membre;
    const char* nom;
    const char* legende;
    QGroupBox* Merlo::*cadre;
    Place place;
    bool choisie;
};

constexpr OptionDef options[] = {
    {&Merlo::OptGauche, "OptGauche", "G", &Merlo::Frame1, {120, 120, 495, 255}, true},
    {&Merlo::OptM, "OptM", "M", &Merlo::Frame1, {120, 480, 495, 255}, false},
    {&Merlo::OptDroit, "OptDroit", "D", &Merlo::Frame1, {120, 840, 495, 255}, false},
    {&Merlo::OptArr, "OptArr", "A", &Merlo::Frame2, {120, 120, 495, 255}, true},
    {&Merlo::OptMi, "OptMi", "M", &Merlo::Frame2, {600, 120, 495, 255}, false},
    {&Merlo::OptFront, "OptFront", "F", &Merlo::Frame2, {1200, 120, 495, 255}, false},
    {&Merlo::OptHaut, "OptHaut", "H", &Merlo::Frame3, {120, 120, 495, 255}, true},
    {&Merlo::OptMil, "OptMil", "M", &Merlo::Frame3, {600, 120, 495, 255}, false},
    {&Merlo::OptBas, "OptBas", "B", &Merlo::Frame3, {1080, 120, 495, 255}, false},
};

struct FlecheDef {
    const char* nom;
    Dessin image;
    int left, top;
    QRadioButton* Merlo::*option;
    void (Merlo::*primitive)();
};

// Same order as MERLO_FLECHES. H and V buttons are 375 x 375 twips, T buttons 495 x 375.
constexpr FlecheDef fleches[] = {
    {"HHD", Dessin::Droite, 2640, 4320, &Merlo::OptHaut, &Merlo::HorizD_Click},
    {"HGH", Dessin::Gauche, 960, 4320, &Merlo::OptHaut, &Merlo::HorizG_Click},
    {"HMD", Dessin::Droite, 2880, 4440, &Merlo::OptMil, &Merlo::HorizD_Click},
    {"HGM", Dessin::Gauche, 720, 4440, &Merlo::OptMil, &Merlo::HorizG_Click},
    {"HBD", Dessin::Droite, 3120, 4560, &Merlo::OptBas, &Merlo::HorizD_Click},
    {"HGB", Dessin::Gauche, 480, 4560, &Merlo::OptBas, &Merlo::HorizG_Click},
    {"VHG", Dessin::Haut, 3600, 1560, &Merlo::OptGauche, &Merlo::VHaut_Click},
    {"VBG", Dessin::Bas, 3600, 3120, &Merlo::OptGauche, &Merlo::VBas_Click},
    {"VHM", Dessin::Haut, 3720, 1200, &Merlo::OptM, &Merlo::VHaut_Click},
    {"VBM", Dessin::Bas, 3720, 3480, &Merlo::OptM, &Merlo::VBas_Click},
    {"VHD", Dessin::Haut, 3840, 840, &Merlo::OptDroit, &Merlo::VHaut_Click},
    {"VBD", Dessin::Bas, 3840, 3840, &Merlo::OptDroit, &Merlo::VBas_Click},
    {"TDF", Dessin::ArcDroite, 2520, 240, &Merlo::OptFront, &Merlo::FrontD_Click},
    {"TGF", Dessin::ArcGauche, 1080, 240, &Merlo::OptFront, &Merlo::FrontG_Click},
    {"TDM", Dessin::ArcDroite, 2760, 360, &Merlo::OptMi, &Merlo::FrontD_Click},
    {"TGM", Dessin::ArcGauche, 840, 360, &Merlo::OptMi, &Merlo::FrontG_Click},
    {"TDA", Dessin::ArcDroite, 3000, 480, &Merlo::OptArr, &Merlo::FrontD_Click},
    {"TGA", Dessin::ArcGauche, 600, 480, &Merlo::OptArr, &Merlo::FrontG_Click},
};

enum IndexFleche {
#define MERLO_INDEX_FLECHE(name) k##name,
    MERLO_FLECHES(MERLO_INDEX_FLECHE)
#undef MERLO_INDEX_FLECHE
        NombreFleches
};
static_assert(NombreFleches == std::size(fleches));

bool EstT(Dessin f) { return f == Dessin::ArcDroite || f == Dessin::ArcGauche; }

// Face colour of a button. A style sheet keeps the colour under every widget style; the rest keeps
// the small captions inside their buttons.
QString Style(long couleur)
{
    const QColor fond = couleur == SansCouleur ? QColor(0xE1, 0xE1, 0xE1) : QColor::fromRgb(static_cast<QRgb>(couleur));
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #6d6d6d; border-radius: 2px;"
                          " padding: 0px; }"
                          " QPushButton:pressed { background-color: %2; }")
        .arg(fond.name(), fond.darker(125).name());
}

} // namespace

Merlo::Merlo(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Merlo"));
    setWindowTitle(QStringLiteral("MERLO's"));
    setFixedSize(Twips(0, 0, 4272, 7680).size());
    // The layout was drawn for an 8-point sans-serif font of narrow, Helvetica-like letters: wider
    // faces would not fit the captions and log lines into their places.
    QFont police;
    police.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(11);
    setFont(police);

    CreerCUBE1();
    CreerControles();
}

Merlo::~Merlo()
{
    // The control goes first, while the window and its children still exist.
    m_Driver.reset();
    m_Host.reset();
    CUBE1 = nullptr;
}

void Merlo::CreerCUBE1()
{
    m_Host = std::make_unique<CUBEHost>(CUBEHost::ModulePath());
    m_Driver = std::make_unique<CUBEDriver>(m_Host->Dispatch());
    CUBE1 = m_Host->Widget();
    CUBE1->setParent(this);
    CUBE1->setObjectName(QStringLiteral("CUBE1"));
    CUBE1->setGeometry(Twips(360, 840, 3252, 3372));
    CUBE1->show();
}

void Merlo::CreerControles()
{
    for (const CadreDef& c : cadres) {
        QGroupBox* cadre = new QGroupBox(this);
        cadre->setObjectName(QLatin1String(c.nom));
        cadre->setGeometry(c.place.Pixels());
        cadre->setVisible(c.visible);
        this->*c.membre = cadre;
    }

    for (const BoutonDef& b : boutons) {
        QWidget* parent = b.cadre ? static_cast<QWidget*>(this->*b.cadre) : this;
        QPushButton* bouton = new QPushButton(QString::fromUtf8(b.legende), parent);
        bouton->setObjectName(QLatin1String(b.nom));
        bouton->setGeometry(b.place.Pixels());
        bouton->setStyleSheet(Style(b.couleur));
        bouton->setFocusPolicy(Qt::TabFocus);
        connect(bouton, &QPushButton::clicked, this, b.action);
        this->*b.membre = bouton;
    }

    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("Message"));
    Message->setGeometry(Twips(1080, 4800, 1692, 252));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(Twips(1080, 5160, 2052, 1968));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A list box scrolls up and down only; its lines fit its width.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });

    m_GroupeV = new QButtonGroup(this);
    m_GroupeT = new QButtonGroup(this);
    m_GroupeH = new QButtonGroup(this);
    for (const OptionDef& o : options) {
        QGroupBox* cadre = this->*o.cadre;
        QRadioButton* option = new QRadioButton(QString::fromUtf8(o.legende), cadre);
        option->setObjectName(QLatin1String(o.nom));
        option->setGeometry(o.place.Pixels());
        QButtonGroup* groupe = cadre == Frame1 ? m_GroupeV : cadre == Frame2 ? m_GroupeT : m_GroupeH;
        groupe->addButton(option);
        option->setChecked(o.choisie);
        this->*o.membre = option;
    }

    for (std::size_t i = 0; i < std::size(fleches); ++i) {
        const FlecheDef& f = fleches[i];
        const QPixmap& image = ImageFleche(f.image);
        QPushButton* bouton = new QPushButton(this);
        bouton->setObjectName(QLatin1String(f.nom));
        bouton->setGeometry(Twips(f.left, f.top, EstT(f.image) ? 495 : 375, 375));
        bouton->setIcon(QIcon(image));
        // A picture wider than its button is shown whole, scaled down, rather than cut.
        const QSize place = bouton->size() - QSize(4, 4);
        bouton->setIconSize(image.size().scaled(place.boundedTo(image.size()), Qt::KeepAspectRatio));
        bouton->setStyleSheet(Style(SansCouleur));
        bouton->setFocusPolicy(Qt::TabFocus);
        connect(bouton, &QPushButton::clicked, this, [this, i] { Fleche(static_cast<int>(i)); });
    }
    // The arrows of each side stand in a staircase and overlap. Stacking them so the first of each
    // row (top layer, front slice, right column) lies on top leaves every arrow's head in sight.
    for (std::size_t i = std::size(fleches); i-- > 0;)
        findChild<QPushButton*>(QLatin1String(fleches[i].nom), Qt::FindDirectChildrenOnly)->raise();
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
        Fatal(QStringLiteral("Cannot run \"regocx32.exe cube.ocx\" in %1: %2")
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
    QCoreApplication::processEvents();
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
            Fatal(QStringLiteral("Unknown move \"%1\"").arg(QString::fromLatin1(p, static_cast<qsizetype>(longueur))));
        Fleche(trouve);
        p = fin;
    }
}

// --- the macros ----------------------------------------------------------------------------------

void Merlo::A_Click()
{
    Jouer("VHD HGH HGH VBD HHD VHD HHD VBD");
    FinComm();
}

void Merlo::B_Click()
{
    Jouer("VHG HHD HHD VBG HGH VHG HGH VBG");
    FinComm();
}

void Merlo::Ar_Click()
{
    Jouer("TDF HGH VHD HHD VBD TGF");
    FinComm();
}

void Merlo::CD_Click()
{
    Jouer("VBD HGB VBD HGB VBD HBD VHD HBD VHD");
    FinComm();
}

void Merlo::CG_Click()
{
    Jouer("VHD HBD VHD HBD VHD HGB VBD HGB VBD");
    FinComm();
}

void Merlo::PA_Click()
{
    Jouer("VBD HGH VBD HHD VBD HHD VBD HGH VHD HGH VHD VHD");
    FinComm();
}

void Merlo::PC_Click()
{
    Jouer("VBD TDF VBD TDA TDA VHD TGF VBD TDA TDA VHD VHD");
    FinComm();
}

void Merlo::MacroT1()
{
    Jouer("VBD HHD HHD VHD HGH VBD HGH VHD");
    FinComm();
}

void Merlo::MacroT2()
{
    Jouer("VBD HHD VHD HHD VBD HGH HGH VHD");
    FinComm();
}

// The two macros of the stage "FaceH" write no separator: the stage chains them with other moves.
void Merlo::MacroH1()
{
    Jouer("VBD HGB VHD HGB TDF HGB HGB TGF");
}

void Merlo::MacroH2()
{
    Jouer("VBD HGM VHD VHD HMD HMD VBD");
}
