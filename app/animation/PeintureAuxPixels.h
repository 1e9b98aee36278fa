// A widget's picture drawn in 3-D at the screen's own pixels, as the control draws its own, so that a
// frame and the control's picture line up pixel for pixel.
#pragma once

#include <QImage>

#include <functional>

class QWidget;

namespace animation {

// Paints `w` with what `dessiner` draws on `image`, which is kept between paints at the widget's
// size in device pixels. Nothing is painted while the widget has no area.
void PeindreAuxPixels(QWidget& w, QImage& image, const std::function<void(QImage&)>& dessiner);

} // namespace animation
