#include "Disposition.h"

#include <QAbstractButton>
#include <QEvent>

#include <algorithm>
#include <cmath>

void Disposition::Placer(QWidget* controle, const QRect& twips, QSize image)
{
    m_Places.push_back({controle, twips, image});
}

namespace {

class SuiviBarre final : public QObject {
public:
    SuiviBarre(QWidget* barre, QWidget* fenetre, const Disposition& d) : QObject(barre), m_Fenetre(fenetre), m_D(d)
    {
        barre->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
        case QEvent::ActionRemoved:
        case QEvent::FontChange:
        case QEvent::LanguageChange:
            // Once shown, the window's width is the person's.
            if (!m_Fenetre->isVisible() && m_Fenetre->width() < m_D.LargeurBarre())
                m_Fenetre->resize(m_D.LargeurBarre(), m_Fenetre->height());
            break;
        default: break;
        }
        return false;
    }

private:
    QWidget* m_Fenetre;
    const Disposition& m_D;
};

} // namespace

void Disposition::Surmonter(QWidget* barre)
{
    m_Barre = barre;
    new SuiviBarre(barre, m_Fenetre, *this);
}

int Disposition::LargeurBarre() const
{
    return m_Barre ? m_Barre->sizeHint().width() : 0;
}

QSize Disposition::TaillePropre() const
{
    const QSize dessin = Twips(0, 0, Largeur(), HauteurDessin).size();
    return QSize(std::max(dessin.width(), LargeurBarre()), dessin.height() + HauteurBarre(dessin.width()));
}

int Disposition::HauteurBarre(int largeur) const
{
    if (!m_Barre)
        return 0;
    const int h = m_Barre->heightForWidth(largeur);
    return h > 0 ? h : m_Barre->sizeHint().height();
}

void Disposition::Placer(QWidget* controle, Annexe annexe, const QRect& twips)
{
    m_Places.push_back({controle, twips, QSize(), static_cast<int>(annexe)});
}

int Disposition::Largeur() const
{
    int l = LargeurDessin;
    for (int a : m_Annexes)
        l += a;
    return l;
}

void Disposition::Ouvrir(Annexe annexe, int twips)
{
    int& place = m_Annexes[static_cast<std::size_t>(annexe)];
    twips = std::max(0, twips);
    if (place == twips)
        return;
    const int barre = HauteurBarre(m_Fenetre->width());
    // The room at the scale the layout has now.
    const double facteur = EchelleDe(m_Fenetre->size() - QSize(0, barre), Largeur()).facteur;
    const int pixels = Twips(0, 0, twips, 0, facteur).width() - Twips(0, 0, place, 0, facteur).width();
    place = twips;
    m_Echelle.reset();
    // The width before the minimum changes: a larger minimum widens the window at once.
    const QSize avant = m_Fenetre->size();
    m_Fenetre->setMinimumSize(Twips(0, 0, Largeur(), HauteurDessin, 0.6).size() + QSize(0, barre));
    if (!(m_Fenetre->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        m_Fenetre->resize(std::max(m_Fenetre->minimumWidth(), avant.width() + pixels), avant.height());
    Disposer(m_Fenetre->size());
}

void Disposition::Disposer(QSize taille)
{
    const int haut = HauteurBarre(taille.width());
    if (m_Barre)
        m_Barre->setGeometry(0, 0, taille.width(), haut);
    Echelle e = EchelleDe(taille - QSize(0, haut), Largeur());
    e.decalage += QPoint(0, haut);
    if (m_Echelle == e)
        return;
    m_Echelle = e;
    for (const Emplacement& p : m_Places) {
        if (!p.controle)
            continue;
        // An annex stands right of the drawn layout and of the annexes before it.
        int x = p.twips.x();
        if (p.annexe >= 0) {
            x += LargeurDessin;
            for (int a = 0; a < p.annexe; ++a)
                x += m_Annexes[static_cast<std::size_t>(a)];
        }
        QRect g = Twips(x, p.twips.y(), p.twips.width(), p.twips.height(), e.facteur);
        if (p.controle->parentWidget() == m_Fenetre)
            g.translate(e.decalage);
        p.controle->setGeometry(g);
        // A picture keeps its proportions, as large as the scale makes it and never wider than its
        // button; it is drawn at that size, at the screen's density.
        if (auto* bouton = qobject_cast<QAbstractButton*>(p.controle.data()); bouton && !p.image.isEmpty()) {
            const QSize voulue = (QSizeF(p.image) * e.facteur).toSize();
            const QSize place = bouton->size() - QSize(4, 4);
            bouton->setIconSize(voulue.scaled(place.boundedTo(voulue), Qt::KeepAspectRatio));
        }
    }
    QFont police = m_Fenetre->font();
    const int pixels = std::max(1, static_cast<int>(std::lround(PoliceDessin * e.facteur)));
    if (police.pixelSize() != pixels) {
        police.setPixelSize(pixels);
        m_Fenetre->setFont(police);
        // A control with a style sheet no longer takes its font from the window: give it its own.
        for (const Emplacement& p : m_Places)
            if (p.controle)
                p.controle->setFont(police);
    }
}
