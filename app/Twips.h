// Positions of the window's controls are written in twips, as the layout was drawn; this is the one
// place that turns them into pixels (96 dpi: 15 twips to a pixel; Qt scales for HiDPI screens).
#pragma once

#include <QRect>
#include <QSizeF>

#include <cmath>

constexpr int TwipsParPixel = 15;

// The window's client area as drawn.
constexpr int LargeurDessin = 4272;
constexpr int HauteurDessin = 7680;

// Left, top, width, height in twips, at `echelle` times the drawn size (the window's size over the
// drawn size, per axis). Both edges are rounded, so that controls drawn edge to edge stay edge to
// edge at every size.
inline QRect Twips(int left, int top, int width, int height, QSizeF echelle = QSizeF(1, 1))
{
    auto px = [](int twips, double e) { return static_cast<int>(std::lround(twips * e / TwipsParPixel)); };
    const int l = px(left, echelle.width()), t = px(top, echelle.height());
    return QRect(l, t, px(left + width, echelle.width()) - l, px(top + height, echelle.height()) - t);
}

// The drawn client area in pixels.
inline QSize TailleDessin() { return Twips(0, 0, LargeurDessin, HauteurDessin).size(); }

// The scale of a window of `taille` pixels against the drawn size. Measured against the drawn size
// in whole pixels, so that a window of exactly that size places every control as drawn.
inline QSizeF Echelle(QSize taille)
{
    const QSize dessin = TailleDessin();
    return QSizeF(double(taille.width()) / dessin.width(), double(taille.height()) / dessin.height());
}
