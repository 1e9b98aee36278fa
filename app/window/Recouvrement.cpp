#include "Recouvrement.h"

#include <QBitmap>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <algorithm>

QRegion PartieVisible(const QRect& rect, const std::vector<QRegion>& dessus)
{
    QRegion r(rect);
    for (const QRegion& d : dessus)
        r -= d;
    return r.translated(-rect.topLeft());
}

namespace {

// Where `w` paints, in its parent's coordinates: what its own rendering leaves not transparent.
QRegion Peint(QWidget* w)
{
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(w->pos());
}

// Qt finds the widget under the mouse through the masks. Each widget also paints inside its mask
// only, which changes nothing seen: the part outside is covered anyway.
class Masques final : public QObject {
public:
    Masques(const std::vector<QWidget*>& widgets, QObject* parent) : QObject(parent)
    {
        for (QWidget* w : widgets) {
            m_Widgets.emplace_back(w);
            w->installEventFilter(this);
        }
        Appliquer();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
        case QEvent::StyleChange:
        case QEvent::FontChange:
            // Once the whole layout is done (a resize moves every arrow and sets its picture).
            if (!m_Prevu) {
                m_Prevu = true;
                QMetaObject::invokeMethod(this, &Masques::Appliquer, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A point goes to the widget whose painting is seen there, the highest of those that paint it;
    // where none paints, to the highest whose rectangle holds it, as without masks.
    void Appliquer()
    {
        m_Prevu = false;
        std::vector<QWidget*> pile;
        for (const QPointer<QWidget>& w : m_Widgets)
            if (w && w->parentWidget())
                pile.push_back(w);
        if (pile.empty())
            return;
        for (QWidget* w : pile)
            w->clearMask();
        // Every shown sibling that may lie over or under one of them, bottom first.
        QWidget* parent = pile.front()->parentWidget();
        std::vector<QWidget*> freres;
        std::vector<QRegion> peint;
        for (QObject* o : parent->children())
            if (auto* s = qobject_cast<QWidget*>(o); s && !s->isWindow() && !s->isHidden()) {
                const bool touche = std::any_of(pile.begin(), pile.end(), [s](QWidget* w) {
                    return w == s || w->geometry().intersects(s->geometry());
                });
                freres.push_back(s);
                peint.push_back(touche ? Peint(s) : QRegion());
            }
        for (QWidget* w : pile) {
            const auto i = static_cast<std::size_t>(std::find(freres.begin(), freres.end(), w) - freres.begin());
            if (i == freres.size())
                continue;
            std::vector<QRegion> peintDessus, rectsDessus, peintAutres;
            for (std::size_t k = 0; k < freres.size(); ++k) {
                if (k == i || !freres[k]->geometry().intersects(w->geometry()))
                    continue;
                if (k > i) {
                    peintDessus.push_back(peint[k]);
                    rectsDessus.push_back(QRegion(freres[k]->geometry()));
                }
                peintAutres.push_back(peint[k]);
            }
            const QRegion vue = PartieVisible(w->geometry(), peintDessus)
                                & peint[i].translated(-w->pos());
            rectsDessus.insert(rectsDessus.end(), peintAutres.begin(), peintAutres.end());
            const QRegion r = vue | PartieVisible(w->geometry(), rectsDessus);
            // An empty mask would mean no mask at all; a widget wholly covered gets no click anyway.
            w->setMask(r.isEmpty() ? QRegion(0, 0, 1, 1) : r);
        }
    }

    std::vector<QPointer<QWidget>> m_Widgets;
    bool m_Prevu = false;
};

} // namespace

void MasquerRecouvrements(const std::vector<QWidget*>& widgets)
{
    if (widgets.empty() || !widgets.front()->parentWidget())
        return;
    new Masques(widgets, widgets.front()->parentWidget());
}
