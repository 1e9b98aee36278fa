// The pictures of the arrow buttons, drawn once.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class Dessin {
    Droite,      // 32 x 16, pointing right (horizontal layers turning right)
    Gauche,      // 32 x 16, pointing left
    Haut,        // 16 x 32, pointing up (columns turning up)
    Bas,         // 16 x 32, pointing down
    ArcDroite,   // 32 x 16, an arc bending down to the right (slices turning clockwise)
    ArcGauche,   // 32 x 16, an arc bending down to the left
};

// The picture at its own size.
const QPixmap& ImageFleche(Dessin d);
// The picture drawn at 1, 2, 3 and 4 times its size, so that a larger window or a high-density screen
// shows it sharp rather than stretched.
const QIcon& IconeFleche(Dessin d);
