// The pictures of the arrow buttons, drawn afresh at whatever size and density they are shown at.
#pragma once

#include <QIcon>
#include <QSize>

enum class Dessin {
    Droite,      // 32 x 16, pointing right (horizontal layers turning right)
    Gauche,      // 32 x 16, pointing left
    Haut,        // 16 x 32, pointing up (columns turning up)
    Bas,         // 16 x 32, pointing down
    ArcDroite,   // 32 x 16, an arc bending down to the right (slices turning clockwise)
    ArcGauche,   // 32 x 16, an arc bending down to the left
};

// The picture's size as drawn, at the drawn size of the window.
QSize TailleFleche(Dessin d);
// The picture as an icon that draws itself at every size and density it is asked for, so that a larger
// window or a denser screen shows it sharp rather than stretched.
QIcon IconeFleche(Dessin d);
