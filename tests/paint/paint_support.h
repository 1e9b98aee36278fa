// Helpers of the painting tests: painting a control, reading square centres, and a reference
// composition that loads every picture afresh.
#pragma once

#include "CUBEArtwork.h"
#include "CUBECtl.h"
#include "CUBEPictures.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cstdint>
#include <ostream>
#include <random>

inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }

namespace painttest {

using CUBEArtwork::Centres;

inline constexpr QSize DefaultSize(217, 225); // 3252 x 3372 twips
inline constexpr QSize LargeSize(4 * 217, 4 * 225);

inline QRgb Rgb(int colour)
{
    const auto& c = CUBEArtwork::Colours[colour];
    return qRgb(c.r, c.g, c.b);
}

// Where the centre of visible square i lands when the picture is stretched to `size`.
inline QPoint CentreAt(int i, QSize size)
{
    return QPoint(static_cast<int>((Centres[i].x + 0.5) * size.width() / CUBEArtwork::Width),
                  static_cast<int>((Centres[i].y + 0.5) * size.height() / CUBEArtwork::Height));
}

// The colour of visible square i: top 0-8, front 9-17, right 18-26.
inline int16_t VisibleColour(const CCUBECtrl& c, int i)
{
    static constexpr int16_t position[3] = {0, 2, 3};
    return c.GetElmt(c.WichFace(position[i / 9]), static_cast<int16_t>(i % 9));
}

// Paints the control through its paintEvent into an image of `size`, leaving pixels it does not draw
// as `background`.
inline QImage Paint(CCUBECtrl& c, QSize size, QRgb background = qRgb(255, 0, 255))
{
    c.resize(size);
    QImage img(size, QImage::Format_RGB32);
    img.fill(background);
    c.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

// The paint done the plain way: every picture decoded and scaled again, every one ANDed whole.
inline QImage ComposeAfresh(const CCUBECtrl& c, QSize size)
{
    QImage out = CCUBEPictures::Fresh(CUBEArtwork::Base, size);
    QPainter p(&out);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (int i = 0; i < 27; ++i) {
        const int colour = VisibleColour(c, i);
        if (colour < 0 || colour > 5)
            continue; // no picture: the square stays white
        p.drawImage(0, 0, CCUBEPictures::Fresh(colour == 0 ? CUBEArtwork::Base : CUBEArtwork::Square(colour, i), size));
    }
    return out;
}

// A random sequence of layer turns and whole-cube turns.
inline void Scramble(CCUBECtrl& c, std::mt19937& rng, int turns)
{
    std::uniform_int_distribution<int> kind(0, 3), layer(0, 2), dir(0, 1), face(0, 5);
    for (int t = 0; t < turns; ++t) {
        const auto f = static_cast<int16_t>(layer(rng)), d = static_cast<int16_t>(dir(rng));
        switch (kind(rng)) {
        case 0: c.MvtV(f, d, 1); break;
        case 1: c.MvtH(f, d, 1); break;
        case 2: c.MvtT(f, d, 1); break;
        default: c.AfficherFace(static_cast<int16_t>(face(rng))); break;
        }
    }
}

} // namespace painttest
