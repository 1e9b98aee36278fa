// Positions of the window's controls are written in twips, as the layout was drawn; this is the one
// place that turns them into pixels (96 dpi: 15 twips to a pixel; Qt scales for HiDPI screens).
#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cmath>

constexpr int TwipsParPixel = 15;

// The window's client area as drawn.
constexpr int LargeurDessin = 4272;
constexpr int HauteurDessin = 7680;

// The window's font, drawn for 11 pixels at the drawn size.
constexpr int PoliceDessin = 11;

// Left, top, width, height in twips, at `facteur` times the drawn size. Both edges are rounded, so
// that controls drawn edge to edge stay edge to edge at every size.
inline QRect Twips(int left, int top, int width, int height, double facteur = 1)
{
    auto px = [facteur](int twips) { return static_cast<int>(std::lround(twips * facteur / TwipsParPixel)); };
    const int l = px(left), t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

// The drawn client area in pixels.
inline QSize TailleDessin() { return Twips(0, 0, LargeurDessin, HauteurDessin).size(); }

// The drawn layout at one scale, centred in a window.
struct Echelle {
    // One factor both ways, so that nothing changes shape: the cube stays a cube.
    double facteur = 1;
    // Where the drawn client area's upper-left corner lands in the window.
    QPoint decalage;
    bool operator==(const Echelle&) const = default;
};

// The scale for a window of `taille` pixels: the largest at which the drawn layout (`largeur` twips
// wide, with what stands beside it) fits both ways, centred in what is left over. Measured against
// the drawn size in whole pixels, so that a window of exactly that size places every control as drawn.
inline Echelle EchelleDe(QSize taille, int largeur = LargeurDessin)
{
    const QSize dessin = Twips(0, 0, largeur, HauteurDessin).size();
    Echelle e;
    e.facteur = std::max(0.0, std::min(double(taille.width()) / dessin.width(), double(taille.height()) / dessin.height()));
    const QSize occupe = Twips(0, 0, largeur, HauteurDessin, e.facteur).size();
    e.decalage = QPoint((taille.width() - occupe.width()) / 2, (taille.height() - occupe.height()) / 2);
    return e;
}
