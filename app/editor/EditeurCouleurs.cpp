#include "EditeurCouleurs.h"

#include "Historique.h"
#include "ModeleSession.h"
#include "PositionCube.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// Where each face stands in the net, in squares: U over F, then L F R B in a row, D under F.
constexpr QPoint Coin[6] = {{3, 0}, {6, 3}, {3, 3}, {3, 6}, {0, 3}, {9, 3}};
constexpr const char* NomFace[6] = {QT_TRANSLATE_NOOP("EditeurCouleurs", "Top (U)"), QT_TRANSLATE_NOOP("EditeurCouleurs", "Right (R)"), QT_TRANSLATE_NOOP("EditeurCouleurs", "Front (F)"), QT_TRANSLATE_NOOP("EditeurCouleurs", "Bottom (D)"), QT_TRANSLATE_NOOP("EditeurCouleurs", "Left (L)"), QT_TRANSLATE_NOOP("EditeurCouleurs", "Back (B)")};

struct Teinte {
    const char* nom;
    QRgb rgb;
    Qt::Key touche;
};
// In the cube's numbering of colours, the colours of the picture.
constexpr Teinte Teintes[6] = {
    {QT_TRANSLATE_NOOP("EditeurCouleurs", "White"), qRgb(255, 255, 255), Qt::Key_W}, {QT_TRANSLATE_NOOP("EditeurCouleurs", "Orange"), qRgb(235, 134, 6), Qt::Key_O},
    {QT_TRANSLATE_NOOP("EditeurCouleurs", "Green"), qRgb(2, 93, 26), Qt::Key_G},     {QT_TRANSLATE_NOOP("EditeurCouleurs", "Red"), qRgb(192, 22, 5), Qt::Key_R},
    {QT_TRANSLATE_NOOP("EditeurCouleurs", "Blue"), qRgb(10, 4, 156), Qt::Key_B},     {QT_TRANSLATE_NOOP("EditeurCouleurs", "Yellow"), qRgb(223, 211, 5), Qt::Key_Y},
};

QPoint CaseNet(int s) { return Coin[s / 9] + QPoint(s % 3, s % 9 / 3); }

bool Centre(int s) { return s % 9 == 4; }

QIcon Pastille(int colour, int cote)
{
    QPixmap p(cote, cote);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1));
    if (colour == notation::NoColour) {
        g.setBrush(Qt::NoBrush);
        g.drawRect(QRectF(0.5, 0.5, cote - 1, cote - 1));
        g.drawLine(QPointF(2, cote - 2), QPointF(cote - 2, 2));
    } else {
        g.setBrush(QColor(Teintes[colour].rgb));
        g.drawRect(QRectF(0.5, 0.5, cote - 1, cote - 1));
    }
    return QIcon(p);
}

} // namespace

// --- the net -------------------------------------------------------------------------------------

Patron::Patron(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Patron"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("EditeurCouleurs", "Cube net"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    Decrire();
}

// A square as large as the font asks for, smaller where the window is smaller (on a small screen).
int Patron::CoteVoulue() const { return std::max(24, fontMetrics().height() * 9 / 4); }

int Patron::Cote() const { return std::max(8, std::min({CoteVoulue(), (width() - 6) / 12, (height() - 6) / 9})); }

QSize Patron::sizeHint() const { return QSize(12 * CoteVoulue() + 6, 9 * CoteVoulue() + 6); }

QSize Patron::minimumSizeHint() const { return QSize(12 * 12 + 6, 9 * 12 + 6); }

QPoint Patron::Origine() const
{
    return QPoint((width() - 12 * Cote()) / 2, (height() - 9 * Cote()) / 2);
}

QRect Patron::RectCase(int s) const
{
    const int c = Cote();
    const QPoint at = Origine() + CaseNet(s) * c;
    return QRect(at.x(), at.y(), c, c);
}

int Patron::CaseEn(QPoint at) const
{
    for (int s = 0; s < notation::Squares; ++s)
        if (RectCase(s).contains(at))
            return s;
    return -1;
}

void Patron::SetPosition(const notation::Position& p)
{
    m_Position = p;
    update();
    Decrire();
    if (changed)
        changed();
}

void Patron::SetMarques(std::vector<int> squares)
{
    m_Marques = std::move(squares);
    update();
}

void Patron::Peindre(int s, int colour)
{
    if (s < 0 || Centre(s) || m_Position.colour[s] == colour)
        return;
    m_Position.colour[s] = static_cast<int8_t>(colour);
    update(RectCase(s).adjusted(-3, -3, 3, 3));
    Decrire();
    if (changed)
        changed();
}

// What a screen reader says of the net: the square in focus and its colour.
void Patron::Decrire()
{
    const int c = m_Position.colour[m_Curseur];
    const QString couleur = c == notation::NoColour ? QCoreApplication::translate("EditeurCouleurs", "no colour") : QCoreApplication::translate("EditeurCouleurs", Teintes[c].nom);
    setAccessibleDescription(QCoreApplication::translate("EditeurCouleurs", "%1 face, row %2, column %3: %4%5. Arrows move; W, O, G, R, B, Y or Space paint; "
                                            "Delete clears.")
                                 .arg(QCoreApplication::translate("EditeurCouleurs", NomFace[m_Curseur / 9]))
                                 .arg(m_Curseur % 9 / 3 + 1)
                                 .arg(m_Curseur % 3 + 1)
                                 .arg(couleur, Centre(m_Curseur) ? QCoreApplication::translate("EditeurCouleurs", ", the centre") : QString()));
    QAccessibleEvent e(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&e);
}

void Patron::paintEvent(QPaintEvent*)
{
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    const int c = Cote();
    for (int s = 0; s < notation::Squares; ++s) {
        const QRectF r = QRectF(RectCase(s)).adjusted(1.5, 1.5, -1.5, -1.5);
        const int colour = m_Position.colour[s];
        g.setPen(QPen(palette().color(QPalette::WindowText), 1));
        if (colour == notation::NoColour) {
            g.setBrush(QBrush(palette().color(QPalette::Mid), Qt::BDiagPattern));
        } else {
            g.setBrush(QColor(Teintes[colour].rgb));
        }
        g.drawRoundedRect(r, c / 8.0, c / 8.0);
        if (Centre(s)) {
            // The centres are fixed, and name their faces.
            g.setPen(colour == 0 || colour == 5 ? QColor(Qt::black) : QColor(Qt::white));
            g.drawText(r, Qt::AlignCenter, QString(QLatin1Char("URFDLB"[s / 9])));
        }
    }
    // Squares a check is about, then the focus square.
    // Black and yellow stripes: seen on every colour, and unlike the focus square.
    g.setBrush(Qt::NoBrush);
    const qreal trait = std::max(3.0, c / 8.0);
    for (int s : m_Marques) {
        const QRectF r = QRectF(RectCase(s)).adjusted(trait / 2 + 2, trait / 2 + 2, -trait / 2 - 2, -trait / 2 - 2);
        g.setPen(QPen(Qt::black, trait));
        g.drawRect(r);
        g.setPen(QPen(QColor(255, 210, 0), trait, Qt::CustomDashLine));
        QPen p = g.pen();
        p.setDashPattern({1.5, 1.5});
        g.setPen(p);
        g.drawRect(r);
    }
    if (hasFocus()) {
        // Black and white together show on every colour.
        const QRectF r = QRectF(RectCase(m_Curseur)).adjusted(0.5, 0.5, -0.5, -0.5);
        g.setPen(QPen(Qt::black, 3));
        g.drawRect(r);
        g.setPen(QPen(Qt::white, 1, Qt::DashLine));
        g.drawRect(r);
    }
}

void Patron::mousePressEvent(QMouseEvent* e)
{
    const int s = CaseEn(e->position().toPoint());
    if (s < 0)
        return;
    m_Curseur = s;
    Peindre(s, m_Couleur);
    update();
}

void Patron::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton) {
        const int s = CaseEn(e->position().toPoint());
        if (s >= 0 && s != m_Curseur) {
            m_Curseur = s;
            Peindre(s, m_Couleur);
            update();
        }
    }
}

void Patron::keyPressEvent(QKeyEvent* e)
{
    QPoint pas;
    switch (e->key()) {
    case Qt::Key_Left: pas = {-1, 0}; break;
    case Qt::Key_Right: pas = {1, 0}; break;
    case Qt::Key_Up: pas = {0, -1}; break;
    case Qt::Key_Down: pas = {0, 1}; break;
    case Qt::Key_Space: Peindre(m_Curseur, m_Couleur); return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: Peindre(m_Curseur, notation::NoColour); return;
    default:
        for (int c = 0; c < 6; ++c)
            if (e->key() == Teintes[c].touche && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                m_Couleur = c;
                if (couleurChoisie)
                    couleurChoisie(c);
                Peindre(m_Curseur, c);
                return;
            }
        QWidget::keyPressEvent(e);
        return;
    }
    // To the next square of the net that way, over the gaps between faces.
    for (QPoint at = CaseNet(m_Curseur) + pas; at.x() >= 0 && at.x() < 12 && at.y() >= 0 && at.y() < 9; at += pas)
        for (int s = 0; s < notation::Squares; ++s)
            if (CaseNet(s) == at) {
                m_Curseur = s;
                Decrire();
                update();
                return;
            }
}

void Patron::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void Patron::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

// --- the dialog ----------------------------------------------------------------------------------

EditeurCouleurs::EditeurCouleurs(QWidget* fenetre, ModeleSession& session, Historique& histoire)
    : QDialog(fenetre), m_S(session), m_Histoire(histoire)
{
    setObjectName(QStringLiteral("EditeurCouleurs"));
    setWindowTitle(QCoreApplication::translate("EditeurCouleurs", "Enter cube colours"));
    setWindowModality(Qt::WindowModal);

    auto* aide = new QLabel(tr("Hold your cube with white on top and green in front, and paint each square "
                               "as you see it: pick a colour, then click or drag over the squares. The "
                               "centres are fixed.\n"
                               "Bottom (yellow): tip the cube towards you to see it; its edge at the top of the net "
                               "is the one next to the front. Back (blue): turn the cube round to see it; its edge "
                               "at the top of the net is the one next to the top."),
                            this);
    aide->setWordWrap(true);

    m_Patron = new Patron(this);
    m_Palette = new QButtonGroup(this);
    auto* palette = new QVBoxLayout;
    const int pastille = fontMetrics().height();
    for (int c = -1; c < 6; ++c) {
        auto* b = new QToolButton(this);
        const QString nom = c < 0 ? QCoreApplication::translate("EditeurCouleurs", "No colour") : QCoreApplication::translate("EditeurCouleurs", Teintes[c].nom);
        const QString touche = c < 0 ? QCoreApplication::translate("EditeurCouleurs", "Delete") : QKeySequence(Teintes[c].touche).toString();
        b->setObjectName(c < 0 ? QStringLiteral("CouleurAucune") : QStringLiteral("Couleur%1").arg(c));
        b->setText(QCoreApplication::translate("EditeurCouleurs", "%1 (%2)").arg(nom, touche));
        b->setIcon(Pastille(c, pastille));
        b->setIconSize(QSize(pastille, pastille));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setAccessibleName(QCoreApplication::translate("EditeurCouleurs", "Paint %1").arg(nom.toLower()));
        m_Palette->addButton(b, c);
        palette->addWidget(b);
    }
    palette->addStretch();
    connect(m_Palette, &QButtonGroup::idClicked, this, [this](int c) { m_Patron->SetCouleur(c); });
    m_Patron->couleurChoisie = [this](int c) { m_Palette->button(c)->setChecked(true); };
    m_Patron->changed = [this] { Verifier(); };

    // A list of its own height, so that the window keeps its size as the faults come and go.
    m_Fautes = new QListWidget(this);
    m_Fautes->setObjectName(QStringLiteral("Fautes"));
    m_Fautes->setAccessibleName(QCoreApplication::translate("EditeurCouleurs", "What stops this cube from existing"));
    m_Fautes->setWordWrap(true);
    m_Fautes->setSelectionMode(QAbstractItemView::NoSelection);
    m_Fautes->setFocusPolicy(Qt::NoFocus);
    m_Fautes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Fautes->setFixedHeight(fontMetrics().lineSpacing() * 5 + 2 * m_Fautes->frameWidth() + 4);

    auto* boutons = new QDialogButtonBox(this);
    auto* depuis = boutons->addButton(QCoreApplication::translate("EditeurCouleurs", "From the &cube"), QDialogButtonBox::ResetRole);
    depuis->setObjectName(QStringLiteral("DepuisCube"));
    auto* vider = boutons->addButton(QCoreApplication::translate("EditeurCouleurs", "&Empty"), QDialogButtonBox::ResetRole);
    vider->setObjectName(QStringLiteral("Vider"));
    m_Poser = boutons->addButton(QCoreApplication::translate("EditeurCouleurs", "&Set up"), QDialogButtonBox::AcceptRole);
    m_Poser->setObjectName(QStringLiteral("Poser"));
    boutons->addButton(QDialogButtonBox::Cancel);
    connect(depuis, &QPushButton::clicked, this,
            [this] { m_Patron->SetPosition(notation::HeldStandard(LirePosition(m_S.CUBE()))); });
    connect(vider, &QPushButton::clicked, this, [this] { m_Patron->SetPosition(notation::Position::Empty()); });
    connect(m_Poser, &QPushButton::clicked, this, [this] {
        if (!notation::Check(m_Patron->Position()).empty())
            return;
        m_Histoire.Executer(QString(), tr("Set up colours"), [this] { PoserPosition(m_S, m_Patron->Position()); });
        accept();
    });
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* haut = new QHBoxLayout;
    haut->addWidget(m_Patron, 1);
    haut->addLayout(palette);
    auto* l = new QVBoxLayout(this);
    l->addWidget(aide);
    l->addLayout(haut);
    l->addWidget(m_Fautes);
    l->addWidget(boutons);
    setTabOrder(m_Patron, m_Palette->button(-1));
    Choisir(0);
    Verifier();
}

void EditeurCouleurs::Choisir(int colour)
{
    m_Palette->button(colour)->setChecked(true);
    m_Patron->SetCouleur(colour);
}

void EditeurCouleurs::Ouvrir()
{
    m_Patron->SetPosition(notation::HeldStandard(LirePosition(m_S.CUBE())));
    show();
    raise();
    activateWindow();
    m_Patron->setFocus();
}

void EditeurCouleurs::Verifier()
{
    const std::vector<notation::Fault> fautes = notation::Check(m_Patron->Position());
    // Empty squares show as empty already; and where a piece is at fault, that piece says more than
    // every square of a colour counted once too often.
    const bool pieces = std::any_of(fautes.begin(), fautes.end(), [](const auto& f) { return f.kind == notation::Fault::Piece; });
    std::vector<int> marques;
    QStringList textes;
    for (const notation::Fault& f : fautes) {
        textes << f.message;
        if (f.kind != notation::Fault::Empty && !(pieces && f.kind == notation::Fault::Count))
            marques.insert(marques.end(), f.squares.begin(), f.squares.end());
    }
    m_Patron->SetMarques(marques);
    m_Fautes->clear();
    // Every piece real, yet one twisted or two swapped: most often a whole face read turned round.
    const bool tourne = !pieces && std::any_of(fautes.begin(), fautes.end(), [](const auto& f) {
        return f.kind == notation::Fault::Twist || f.kind == notation::Fault::Swap;
    });
    if (tourne)
        textes << tr("A face painted the wrong way round is the likely cause: check how you held the cube for the "
                     "bottom and the back.");
    m_Fautes->addItems(fautes.empty() ? QStringList{tr("Such a cube can exist: \u201cSet up\u201d puts it on the screen.")}
                                      : textes);
    m_Poser->setEnabled(fautes.empty());
}

QStringList EditeurCouleurs::Fautes() const
{
    QStringList l;
    for (int i = 0; i < m_Fautes->count(); ++i)
        l << m_Fautes->item(i)->text();
    return l;
}
