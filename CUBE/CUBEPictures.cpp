#include "CUBEPictures.h"

#include "CUBEArtwork.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace CUBEArtwork;

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
// The toolbox's grey, behind the cube of the toolbox bitmap.
const QRgb Grey = qRgb(192, 192, 192);

QRgb ColourOf(int c) { return qRgb(Colours[static_cast<std::size_t>(c)].r, Colours[static_cast<std::size_t>(c)].g,
                                   Colours[static_cast<std::size_t>(c)].b); }

// The colour picture `id` gives a pixel that shows `what` (a square, a line or the background). Only
// the toolbox bitmap tells lines from the background; every other picture has both black.
QRgb Paint(int id, int what)
{
    if (id == ToolboxBitmap)
        return what == Background ? Grey : what == Line ? Black : what < 9 ? White : ColourOf(what < 18 ? 2 : 3);
    if (id == Base || id == FromBelow)
        return what >= 0 ? White : Black;
    const int c = (id - 300) / 100, i = (id - 300) % 100;
    if (c == 0) // a mask
        return what == i ? White : Black;
    return what == i ? ColourOf(c) : what >= 0 ? White : Black;
}

// The toolbox bitmap's cube fits its picture whole, keeping its shape, with a narrow margin.
Placement Fitted(QSize size)
{
    Placement p;
    const double margin = size.height() / 24.0;
    const double s = std::max(0.0, std::min((size.width() - 2 * margin) / Width, (size.height() - 2 * margin) / Height));
    p.sx = p.sy = s;
    p.ox = (size.width() - Width * s) / 2;
    p.oy = (size.height() - Height * s) / 2;
    p.halfLine = std::max(0.5, LineHalfWidth * s);
    return p;
}

QRgb* Row(QImage& img, int y) { return reinterpret_cast<QRgb*>(img.scanLine(y)); }

// The smallest rectangle holding every pixel where `a` and `b` differ (both RGB32, same size); empty
// when they are equal.
QRect Differing(const QImage& a, const QImage& b)
{
    const int w = a.width(), h = a.height();
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        int x0 = 0;
        while (x0 < w && p[x0] == q[x0])
            ++x0;
        if (x0 == w)
            continue;
        int x1 = w - 1;
        while (p[x1] == q[x1])
            --x1;
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, y);
        bottom = y;
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

int CCUBEPictures::Slot(int id)
{
    if (id == CUBEArtwork::ToolboxBitmap)
        return 0;
    if (id == Base)
        return 1;
    if (id == FromBelow)
        return 2;
    if (id < 300 || id >= 900 || (id - 300) % 100 >= 27)
        return -1;
    return 3 + 27 * ((id - 300) / 100) + (id - 300) % 100;
}

QImage CCUBEPictures::Fresh(int id, QSize size)
{
    if (Slot(id) < 0 || size.isEmpty())
        return {};
    QImage img(size, QImage::Format_RGB32);
    if (img.isNull())
        return img;
    const Drawing drawing(id == CUBEArtwork::ToolboxBitmap ? Fitted(size) : Stretched(size.width(), size.height()));
    for (int y = 0; y < size.height(); ++y) {
        QRgb* row = Row(img, y);
        for (int x = 0; x < size.width(); ++x)
            row[x] = Paint(id, drawing.Classify(x, y));
    }
    // Nothing shows the cube from below; its picture is the base turned upside down.
    return id == FromBelow ? img.mirrored(false, true) : img;
}

QImage CCUBEPictures::ToolboxBitmap()
{
    // The cube's colours first, then grey and black; the rest of the usual 16-colour palette fills up.
    const QList<QRgb> palette{
        Black,               White,               ColourOf(2),         ColourOf(3),
        Grey,                ColourOf(1),         ColourOf(4),         ColourOf(5),
        qRgb(128, 128, 128), qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(0, 255, 255),
    };
    return Fresh(CUBEArtwork::ToolboxBitmap, QSize(48, 48)).convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

bool CCUBEPictures::Sort(QSize size)
{
    const int w = size.width(), h = size.height();
    m_Squares.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), NoSquare);
    const Drawing drawing(Stretched(w, h));
    for (int i = 0; i < 27; ++i) {
        const Quad& q = drawing.SquareShape(i);
        m_Bounds[static_cast<std::size_t>(i)] = QRect();
        if (q.empty)
            continue;
        int left = w, right = -1, top = h, bottom = -1;
        const int y0 = std::max(0, static_cast<int>(q.top) - 1), y1 = std::min(h - 1, static_cast<int>(q.bottom) + 1);
        for (int y = y0; y <= y1; ++y) {
            int first, last;
            q.Span(y, w, first, last);
            if (first > last)
                continue;
            std::memset(&m_Squares[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(first)],
                        i, static_cast<std::size_t>(last - first + 1));
            left = std::min(left, first);
            right = std::max(right, last);
            top = std::min(top, y);
            bottom = y;
        }
        if (bottom >= 0)
            m_Bounds[static_cast<std::size_t>(i)] = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    std::size_t need = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    for (int c = 1; c <= 5; ++c)
        for (int i = 0; i < 27; ++i) {
            m_Offsets[static_cast<std::size_t>(27 * (c - 1) + i)] = need;
            const QRect& r = m_Bounds[static_cast<std::size_t>(i)];
            need += static_cast<std::size_t>(r.width()) * static_cast<std::size_t>(r.height());
        }
    if (need > m_StoreSize) {
        m_Store.reset();
        m_StoreSize = 0;
        // Room to grow by an eighth, so a window dragged larger does not ask for fresh memory at
        // every step. Left unwritten: only the pictures made take memory.
        const std::size_t room = need + need / 8;
        m_Store.reset(new (std::nothrow) QRgb[room]);
        if (!m_Store)
            return false;
        m_StoreSize = room;
    }
    m_Sorted = true;
    return true;
}

// A picture of `size` whose pixels live in the store from `offset` on.
QImage CCUBEPictures::InStore(std::size_t offset, QSize size)
{
    return QImage(reinterpret_cast<uchar*>(m_Store.get() + offset), size.width(), size.height(),
                  static_cast<qsizetype>(size.width()) * 4, QImage::Format_RGB32);
}

// Picture `id` whole at the kept size, from the sorted pixels.
QImage CCUBEPictures::FromSorted(int id) const
{
    if (id == CUBEArtwork::ToolboxBitmap)
        return Fresh(id, m_Size);
    QImage img(m_Size, QImage::Format_RGB32);
    if (img.isNull())
        return img;
    const int w = m_Size.width();
    const int paintId = id == FromBelow ? Base : id;
    for (int y = 0; y < m_Size.height(); ++y) {
        const uint8_t* s = &m_Squares[static_cast<std::size_t>(y) * static_cast<std::size_t>(w)];
        QRgb* row = Row(img, y);
        for (int x = 0; x < w; ++x)
            row[x] = Paint(paintId, s[x] == NoSquare ? Background : s[x]);
    }
    return id == FromBelow ? img.mirrored(false, true) : img;
}

const QImage* CCUBEPictures::Load(int id, QSize size)
{
    if (size != m_Size) {
        for (int k = 0; k < Slots; ++k) {
            m_Kept[k] = QImage();
            m_Loaded[k] = false;
        }
        m_Sorted = false;
        m_Size = size;
    }
    const int slot = Slot(id);
    if (slot < 0 || size.isEmpty())
        return nullptr;
    if (m_Loaded[slot])
        return &m_Kept[slot];
    if (!m_Sorted && !Sort(size))
        return nullptr;
    if (id == Base) {
        QImage base = InStore(0, size);
        for (int y = 0; y < size.height(); ++y) {
            const uint8_t* s = &m_Squares[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width())];
            QRgb* row = Row(base, y);
            for (int x = 0; x < size.width(); ++x)
                row[x] = s[x] == NoSquare ? Black : White;
        }
        m_Kept[slot] = std::move(base);
        m_Loaded[slot] = true;
        return &m_Kept[slot];
    }
    const QImage* base = Load(Base, size);
    if (!base)
        return nullptr;
    QImage part;
    const int c = (id - 300) / 100, i = (id - 300) % 100;
    if (id >= 400) {
        // A square picture differs from the base exactly on its square: white there in the base, and
        // coloured in the picture.
        const QRect r = m_Bounds[static_cast<std::size_t>(i)];
        if (!r.isEmpty()) {
            part = InStore(m_Offsets[static_cast<std::size_t>(27 * (c - 1) + i)], r.size());
            const QRgb colour = ColourOf(c);
            for (int y = 0; y < r.height(); ++y) {
                const uint8_t* s = &m_Squares[static_cast<std::size_t>(r.top() + y) * static_cast<std::size_t>(size.width())
                                              + static_cast<std::size_t>(r.left())];
                const QRgb* b = reinterpret_cast<const QRgb*>(base->constScanLine(r.top() + y)) + r.left();
                QRgb* row = Row(part, y);
                for (int x = 0; x < r.width(); ++x)
                    row[x] = s[x] == i ? colour : b[x];
            }
            part.setOffset(r.topLeft());
        }
    } else {
        // The pictures nothing paints with: made whole, then cut down to where they differ.
        const QImage full = FromSorted(id);
        const QRect r = full.isNull() ? QRect() : Differing(full, *base);
        if (!r.isEmpty()) {
            part = full.copy(r);
            part.setOffset(r.topLeft());
        }
    }
    m_Kept[slot] = std::move(part);
    m_Loaded[slot] = true;
    return &m_Kept[slot];
}

bool CCUBEPictures::IsBase(const QImage* picture) const
{
    const int base = Slot(Base);
    return picture && m_Loaded[base] && picture == &m_Kept[base];
}
