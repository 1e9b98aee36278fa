#include "Recouvrement.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

QRegion PartieVisible(const std::vector<QRect>& rects, std::size_t i)
{
    QRegion r(rects[i]);
    for (std::size_t k = i + 1; k < rects.size(); ++k)
        r -= rects[k];
    return r.translated(-rects[i].topLeft());
}

namespace {

// Qt finds the widget under the mouse through the masks, and paints each widget inside its mask
// only, which changes nothing here: the part outside is covered anyway.
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
            Appliquer();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Appliquer()
    {
        for (const QPointer<QWidget>& w : m_Widgets)
            if (w && w->parentWidget())
                w->setMask(Visible(w));
    }

    // The widget's rectangle, then those of the shown siblings above it, in stacking order.
    static QRegion Visible(QWidget* w)
    {
        std::vector<QRect> rects{w->geometry()};
        const QObjectList& freres = w->parentWidget()->children();
        for (qsizetype k = freres.indexOf(w) + 1; k < freres.size(); ++k) {
            const auto* s = qobject_cast<const QWidget*>(freres[k]);
            if (s && !s->isWindow() && !s->isHidden() && s->geometry().intersects(w->geometry()))
                rects.push_back(s->geometry());
        }
        const QRegion r = PartieVisible(rects, 0);
        // An empty mask would mean no mask at all; a widget wholly covered gets no click anyway.
        return r.isEmpty() ? QRegion(0, 0, 1, 1) : r;
    }

    std::vector<QPointer<QWidget>> m_Widgets;
};

} // namespace

void MasquerRecouvrements(const std::vector<QWidget*>& widgets)
{
    if (widgets.empty() || !widgets.front()->parentWidget())
        return;
    new Masques(widgets, widgets.front()->parentWidget());
}
