#include "Fleches.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace {

bool Debout(Dessin d) { return d == Dessin::Haut || d == Dessin::Bas; }
bool Arc(Dessin d) { return d == Dessin::ArcDroite || d == Dessin::ArcGauche; }

// Every picture is drawn pointing right or bending down to the right in 32 x 16, then mirrored or
// turned, fitted into `cadre` and centred there.
void Dessiner(QPainter& g, const QRectF& cadre, Dessin d, QIcon::Mode mode)
{
    const QSizeF taille = TailleFleche(d);
    const double s = std::min(cadre.width() / taille.width(), cadre.height() / taille.height());
    if (s <= 0)
        return;
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    g.translate(cadre.center());
    g.scale(s, s);
    switch (d) {
    case Dessin::Gauche:
    case Dessin::ArcGauche: g.scale(-1, 1); break;
    case Dessin::Haut: g.rotate(-90); break;
    case Dessin::Bas: g.rotate(90); break;
    default: break;
    }
    g.translate(-16, -8);
    const QColor encre = mode == QIcon::Disabled ? QColor(128, 128, 128) : QColor(0, 0, 0);
    g.setPen(QPen(encre, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    if (!Arc(d)) {
        g.drawLine(QPointF(3, 8), QPointF(24, 8));
        g.setBrush(encre);
        g.drawPolygon(QPolygonF{QPointF(30, 8), QPointF(21, 2.5), QPointF(21, 13.5)});
    } else {
        // A quarter of an ellipse from the left edge over the top to the right, ending in a head that
        // points down.
        QPainterPath arc;
        arc.moveTo(3, 13);
        arc.cubicTo(5, 2, 20, 1, 26, 8);
        g.drawPath(arc);
        g.setBrush(encre);
        g.drawPolygon(QPolygonF{QPointF(29.5, 15), QPointF(22, 8.5), QPointF(30, 4.5)});
    }
    g.restore();
}

// Qt asks an icon engine for a pixmap in the screen's own pixels (the icon's size times the
// density): this one draws it then and there.
class MoteurFleche : public QIconEngine {
public:
    explicit MoteurFleche(Dessin d) : m_Dessin(d) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        Dessiner(*painter, rect, m_Dessin, mode);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap p(size);
        p.fill(Qt::transparent);
        QPainter g(&p);
        paint(&g, QRect(QPoint(), size), mode, state);
        return p;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return TailleFleche(m_Dessin).scaled(size, Qt::KeepAspectRatio);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {TailleFleche(m_Dessin)}; }
    QIconEngine* clone() const override { return new MoteurFleche(m_Dessin); }
    QString key() const override { return QStringLiteral("MoteurFleche"); }

private:
    Dessin m_Dessin;
};

} // namespace

QSize TailleFleche(Dessin d)
{
    return Debout(d) ? QSize(16, 32) : QSize(32, 16);
}

QIcon IconeFleche(Dessin d)
{
    return QIcon(new MoteurFleche(d));
}
