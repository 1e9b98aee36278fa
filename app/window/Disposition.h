// Where every control of the window was drawn, and placing them all for the window's size: the
// drawn layout scaled by one factor and centred, with the captions' font and the arrows' pictures
// at that scale too.
#pragma once

#include "Twips.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class Disposition {
public:
    // `fenetre` is the window: its own controls are centred in it, those inside frames keep their
    // places in their frames.
    explicit Disposition(QWidget* fenetre) : m_Fenetre(fenetre) {}

    // Remembers where a control was drawn, in twips relative to its container, and for a button with
    // a picture, the picture's drawn size.
    void Placer(QWidget* controle, const QRect& twips, QSize image = QSize());

    // A bar across the top of the window (the menu bar): the drawn layout goes below it. Until the
    // window is first shown, it widens to hold the whole bar whenever a menu appears there, so no
    // menu hides behind the bar's "»" in any language; the layout stays centred at its scale.
    void Surmonter(QWidget* barre);
    // The bar's height in a window `largeur` pixels wide, or 0 without one.
    int HauteurBarre(int largeur) const;
    // The width that shows every menu of the bar, or 0 without one.
    int LargeurBarre() const;
    // The window's own size: the drawn layout at its drawn scale under the bar, as wide as the bar.
    QSize TaillePropre() const;

    // Places every control for a window of `taille` pixels. Nothing moves when the scale stays.
    void Disposer(QSize taille);

    // What may stand right of the drawn layout when asked for, each in a column of its own, in
    // this order: all six faces, then the replay's panel.
    enum class Annexe { Faces, Relecture };
    static constexpr int Annexes = 2;
    // A control of an annex, `twips` from the annex's upper-left corner.
    void Placer(QWidget* controle, Annexe annexe, const QRect& twips);
    // Gives the annex `twips` of room (0: none) and places everything again. The window grows or
    // shrinks by that room at the scale it has, so the cube keeps its size; a maximised window keeps
    // its size and the layout is scaled to fit instead.
    void Ouvrir(Annexe annexe, int twips);
    // The layout's width in twips with the annexes open now.
    int Largeur() const;

private:
    struct Emplacement {
        QPointer<QWidget> controle; // the cube's widget belongs to its host, and may go first
        QRect twips;
        QSize image;
        int annexe = -1; // -1: the drawn layout
    };
    QWidget* m_Fenetre;
    QPointer<QWidget> m_Barre;
    std::vector<Emplacement> m_Places;
    std::optional<Echelle> m_Echelle;
    std::array<int, Annexes> m_Annexes{};
};
