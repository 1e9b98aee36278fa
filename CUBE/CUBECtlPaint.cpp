// Painting: the picture is composed from prepared pictures, never drawn shape by shape. A plain copy
// of the base picture (every visible square white), then for each of the 27 visible squares its
// picture combined with AND: white leaves a pixel as it is, black keeps the lines black, and only the
// square's own pixels take its colour.
#include "CUBECtl.h"
#include "CUBEArtwork.h"
#include "CUBEPictures.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Positions seen in the picture: visible squares 0-8 on the top, 9-17 on the front, 18-26 on the right.
constexpr int VisiblePosition[3] = {0, 2, 3};

QSize SizeOf(const CCUBECtrl::RECT& r) { return QSize(r.right - r.left, r.bottom - r.top); }

// Loads picture `id` at `size` into `picture`; a picture that cannot be loaded leaves it as it was.
// Asking for a new size drops the kept pictures of the old one, and with them what `picture` pointed at.
void LoadInto(CCUBEPictures& pictures, const QImage*& picture, int id, QSize size)
{
    if (size != pictures.Size())
        picture = nullptr;
    if (const QImage* loaded = pictures.Load(id, size))
        picture = loaded;
}

} // namespace

int16_t CCUBECtrl::Couleur(int16_t i)
{
    PointerFaces();
    if (i < 0 || i > 26)
        return 1;
    const int16_t* face = Ref(VisiblePosition[i / 9]);
    if (!face)
        return 1;
    const int c = face[i % 9];
    // No picture for other colours: the square stays white. The bare resource arithmetic would turn
    // some of them into unrelated pictures (the toolbox bitmap, the view from below, the masks).
    if (c < 0 || c > 5)
        return 1;
    const int id = c == 0 ? CUBEArtwork::Base : CUBEArtwork::Square(c, i);
    LoadInto(*m_Pictures, m_hPicture, id, SizeOf(m_rcBounds));
    return 1;
}

void CCUBECtrl::Compose(const RECT& bounds)
{
    m_rcBounds = bounds;
    const QSize size = SizeOf(bounds);
    if (size.isEmpty()) {
        m_Composed = QImage();
        return;
    }
    if (m_Composed.size() != size || m_Composed.format() != QImage::Format_RGB32) {
        m_Composed = QImage(size, QImage::Format_RGB32);
        if (m_Composed.isNull()) // too large to allocate: nothing to draw on
            return;
        m_Composed.fill(Qt::black);
    }
    // Composed pixel for pixel, whatever ratio the last paint gave it to be drawn at.
    m_Composed.setDevicePixelRatio(1);
    QPainter target(&m_Composed);
    target.setRenderHint(QPainter::Antialiasing, false);
    target.setRenderHint(QPainter::SmoothPixmapTransform, false);

    LoadInto(*m_Pictures, m_hPicture, CUBEArtwork::Base, size);
    if (m_hPicture) {
        target.setCompositionMode(QPainter::CompositionMode_Source);
        target.drawImage(QPoint(0, 0), *m_hPicture);
    }
    target.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (int16_t i = 0; i < 27; ++i) {
        Couleur(i);
        // The base ANDed onto a picture that started as the base changes nothing: skip the full-size pass.
        if (!m_hPicture || m_Pictures->IsBase(m_hPicture))
            continue;
        target.drawImage(m_hPicture->offset(), *m_hPicture);
    }
}

void CCUBECtrl::paintEvent(QPaintEvent*)
{
    m_UserMode = m_AmbientUserMode ? 1 : 0;
    if (!m_UserMode) {
        m_Composed = QImage();
        return;
    }
    // The bounds are the drawing surface's own pixels: on a high-density screen the pictures are
    // drawn at those, so the cube is as sharp as the screen, and the picture is drawn 1:1. Never
    // fewer than the widget's own pixels, which is what a repaint request of a turn covers.
    const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
    const QSize device = (QSizeF(size()) * ratio).toSize();
    Compose(RECT{0, 0, device.width(), device.height()});
    if (m_Composed.isNull())
        return;
    m_Composed.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), m_Composed);
}
