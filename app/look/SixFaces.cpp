#include "SixFaces.h"

#include "CUBEArtwork.h"
#include "CUBEDriver.h"
#include "Contexte.h"
#include "Disposition.h"
#include "ModeleSession.h"
#include "Twips.h"
#include "TableCommandes.h"

#include <QAction>
#include <QEvent>
#include <QPainter>
#include <QSettings>

#include <algorithm>

namespace {

const QString CleSixFaces = QStringLiteral("affichage/sixFaces");


// The cross at the drawn size, in pixels: the top above the front, left, front, right and back in a
// row, the bottom below the front; each face under its name.
constexpr double LargeurDessinee = VueFaces::Largeur / 15.0;
constexpr double Marge = 10, Ecart = 6, Cote = 46, Titre = 14, Trait = 1.5;
constexpr int Colonne[6] = {1, 0, 1, 2, 3, 1}, Rangee[6] = {0, 1, 1, 1, 1, 2};

} // namespace

FacesVues FacesCube::Lire(CUBEDriver& d)
{
    FacesVues f{};
    for (int16_t p = 0; p < 6; ++p) {
        const int16_t face = d.WichFace(p);
        if (face < 0 || face > 5)
            continue;
        for (int16_t k = 0; k < 9; ++k)
            f[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] = d.Relatif(face, k / 3, k % 3);
    }
    return f;
}

void FacesCube::Actualiser(CUBEDriver& d)
{
    const FacesVues f = Lire(d);
    if (f == m_Faces)
        return;
    m_Faces = f;
    emit Change();
}

VueFaces::VueFaces(const FacesCube& modele, QWidget* parent) : QWidget(parent), m_Modele(modele)
{
    setObjectName(QStringLiteral("VueFaces"));
    setAccessibleName(tr("All six faces"));
    setAccessibleDescription(tr("The cube unfolded: the top above the front; the left, front, right and back faces "
                                "in a row; the bottom below the front."));
    setToolTip(tr("All six faces, unfolded as the cube stands: top above, bottom below the front"));
    connect(&modele, &FacesCube::Change, this, qOverload<>(&QWidget::update));
}

QString VueFaces::NomDe(int position)
{
    switch (position) {
    case 0: return tr("Top");
    case 1: return tr("Left");
    case 2: return tr("Front");
    case 3: return tr("Right");
    case 4: return tr("Back");
    default: return tr("Bottom");
    }
}

QRectF VueFaces::Face(int position) const
{
    const double f = width() / LargeurDessinee;
    const auto p = static_cast<std::size_t>(std::clamp(position, 0, 5));
    const double x = Marge + Colonne[p] * (Cote + Ecart), y = Rangee[p] * (Titre + Cote + Ecart) + Titre;
    return QRectF(x * f, y * f, Cote * f, Cote * f);
}

QRectF VueFaces::Carre(int position, int ligne, int colonne) const
{
    const QRectF face = Face(position);
    const double trait = std::max(1.0, Trait * width() / LargeurDessinee), pas = face.width() / 3;
    return QRectF(face.left() + colonne * pas + trait / 2, face.top() + ligne * pas + trait / 2, pas - trait, pas - trait);
}

QRectF VueFaces::Nom(int position) const
{
    const QRectF face = Face(position);
    const double f = width() / LargeurDessinee;
    return QRectF(face.left() - Ecart * f / 2, face.top() - Titre * f, face.width() + Ecart * f, Titre * f);
}

void VueFaces::paintEvent(QPaintEvent*)
{
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setFont(font());
    for (int p = 0; p < 6; ++p) {
        // Black behind the squares makes the lines between them, as on the cube's picture.
        g.fillRect(Face(p), Qt::black);
        for (int k = 0; k < 9; ++k) {
            const int16_t c = m_Modele.Faces()[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)];
            const auto rgb = CUBEArtwork::Colours[static_cast<std::size_t>(std::clamp<int16_t>(c, 0, 5))];
            g.fillRect(Carre(p, k / 3, k % 3), c >= 0 && c <= 5 ? QColor(rgb.r, rgb.g, rgb.b) : QColor(Qt::white));
        }
        const QRectF nom = Nom(p);
        g.setPen(palette().color(QPalette::WindowText));
        g.drawText(nom, Qt::AlignHCenter | Qt::AlignBottom,
                   g.fontMetrics().elidedText(NomDe(p), Qt::ElideRight, static_cast<int>(nom.width())));
    }
}

SixFaces::SixFaces(const Contexte& c, Disposition& d) : QObject(&c.fenetre), m_C(c), m_D(d)
{
    setObjectName(QStringLiteral("SixFaces"));
    m_Vue = new VueFaces(m_Modele, &c.fenetre);
    m_Vue->hide();
    d.Placer(m_Vue, Disposition::Annexe::Faces, QRect(0, VueFaces::Haut, VueFaces::Largeur, VueFaces::Hauteur));
    // The control repaints whenever its cube changes (a turn, a replay's step, a position set up);
    // while a turn is shown or the view turned, what lies over it paints instead.
    c.cube->installEventFilter(this);
    for (const char* dessus : {"VueTour", "VueRegard"})
        if (auto* x = c.fenetre.findChild<QWidget*>(QLatin1String(dessus), Qt::FindDirectChildrenOnly))
            x->installEventFilter(this);

    m_Action = new QAction(tr("All &six faces"), this);
    m_Action->setObjectName(QStringLiteral("SixFaces"));
    m_Action->setCheckable(true);
    m_Action->setStatusTip(tr("Show the cube unfolded beside its picture: all six faces, each named, as it stands"));
    c.commandes.Ajouter(TableCommandes::Affichage, m_Action);
    m_Action->setChecked(QSettings().value(CleSixFaces, false).toBool());
    connect(m_Action, &QAction::toggled, this, [this](bool oui) {
        QSettings().setValue(CleSixFaces, oui);
        Montrer(oui);
    });
    Montrer(m_Action->isChecked());
}

void SixFaces::Montrer(bool oui)
{
    m_Vue->setVisible(oui);
    if (oui)
        m_Modele.Actualiser(m_C.session.CUBE());
    m_D.Ouvrir(Disposition::Annexe::Faces, oui ? VueFaces::Largeur : 0);
}

bool SixFaces::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint && m_Vue->isVisible())
        m_Modele.Actualiser(m_C.session.CUBE());
    return false;
}
