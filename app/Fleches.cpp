#include "Fleches.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <cmath>

namespace {

// Every picture is drawn pointing right or bending down to the right, then mirrored or turned.
QPixmap Dessiner(bool arc)
{
    QPixmap p(32, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor encre(0, 0, 0);
    g.setPen(QPen(encre, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    if (!arc) {
        g.drawLine(QPointF(3, 8), QPointF(24, 8));
        QPolygonF tete{QPointF(30, 8), QPointF(21, 2.5), QPointF(21, 13.5)};
        g.setBrush(encre);
        g.drawPolygon(tete);
        return p;
    }
    // A quarter of an ellipse from the left edge over the top to the right, ending in a head that
    // points down.
    QPainterPath arcPath;
    arcPath.moveTo(3, 13);
    arcPath.cubicTo(5, 2, 20, 1, 26, 8);
    g.drawPath(arcPath);
    QPolygonF tete{QPointF(29.5, 15), QPointF(22, 8.5), QPointF(30, 4.5)};
    g.setBrush(encre);
    g.drawPolygon(tete);
    return p;
}

QPixmap Transformer(const QPixmap& p, const QTransform& t)
{
    return p.transformed(t, Qt::SmoothTransformation);
}

} // namespace

const QPixmap& ImageFleche(Dessin d)
{
    static const std::array<QPixmap, 6> images = [] {
        const QPixmap droite = Dessiner(false);
        const QPixmap arc = Dessiner(true);
        const QTransform miroir = QTransform::fromScale(-1, 1);
        return std::array<QPixmap, 6>{
            droite,
            Transformer(droite, miroir),
            Transformer(droite, QTransform().rotate(-90)),
            Transformer(droite, QTransform().rotate(90)),
            arc,
            Transformer(arc, miroir),
        };
    }();
    return images[static_cast<int>(d)];
}
