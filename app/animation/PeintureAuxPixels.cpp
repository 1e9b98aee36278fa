#include "PeintureAuxPixels.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace animation {

void PeindreAuxPixels(QWidget& w, QImage& image, const std::function<void(QImage&)>& dessiner)
{
    const qreal ratio = std::max<qreal>(1, w.devicePixelRatioF());
    const QSize device = (QSizeF(w.size()) * ratio).toSize();
    if (device.isEmpty())
        return;
    if (image.size() != device)
        image = QImage(device, QImage::Format_RGB32);
    if (image.isNull())
        return;
    image.setDevicePixelRatio(1);
    dessiner(image);
    image.setDevicePixelRatio(ratio);
    QPainter g(&w);
    g.setCompositionMode(QPainter::CompositionMode_Source);
    g.drawImage(QPoint(0, 0), image);
}

} // namespace animation
