// Painting: composes the picture from the kept pictures.
#include "CUBECtl.h"
#include "CUBEPictures.h"

#include <QPaintEvent>

int16_t CCUBECtrl::Couleur(int16_t) { return 1; }

void CCUBECtrl::Compose(const RECT&) {}

void CCUBECtrl::paintEvent(QPaintEvent*) {}
