#include "Fleches.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>

namespace {

constexpr int Echelles = 4;

// Every picture is drawn pointing right or bending down to the right at `echelle` times 32 x 16,
// then mirrored or turned.
QPixmap Dessiner(bool arc, int echelle)
{
    QPixmap p(32 * echelle, 16 * echelle);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(echelle, echelle);
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

// All six pictures at one scale, in the order of Dessin.
std::array<QPixmap, 6> Images(int echelle)
{
    const QPixmap droite = Dessiner(false, echelle);
    const QPixmap arc = Dessiner(true, echelle);
    const QTransform miroir = QTransform::fromScale(-1, 1);
    return {
        droite,
        Transformer(droite, miroir),
        Transformer(droite, QTransform().rotate(-90)),
        Transformer(droite, QTransform().rotate(90)),
        arc,
        Transformer(arc, miroir),
    };
}

const std::array<std::array<QPixmap, 6>, Echelles>& ToutesImages()
{
    static const std::array<std::array<QPixmap, 6>, Echelles> images = [] {
        std::array<std::array<QPixmap, 6>, Echelles> a;
        for (int e = 0; e < Echelles; ++e)
            a[static_cast<std::size_t>(e)] = Images(e + 1);
        return a;
    }();
    return images;
}

} // namespace

const QPixmap& ImageFleche(Dessin d)
{
    return ToutesImages()[0][static_cast<std::size_t>(d)];
}

const QIcon& IconeFleche(Dessin d)
{
    static const std::array<QIcon, 6> icones = [] {
        std::array<QIcon, 6> a;
        for (std::size_t k = 0; k < a.size(); ++k)
            for (const auto& echelle : ToutesImages())
                a[k].addPixmap(echelle[k]);
        return a;
    }();
    return icones[static_cast<std::size_t>(d)];
}
