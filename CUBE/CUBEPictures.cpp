#include "CUBEPictures.h"

#include "CUBEArtwork.h"

#include <algorithm>
#include <limits>

namespace {

QImage Decode(int id)
{
    const CUBEArtwork::File file = CUBEArtwork::PictureFile(id);
    if (!file.data || file.size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return {};
    const QImage decoded = QImage::fromData(file.data, static_cast<int>(file.size));
    return decoded.isNull() ? decoded : decoded.convertToFormat(QImage::Format_RGB32);
}

// Nearest pixel only: smoothing would mix a square's colour with the black lines, and AND needs
// every pixel to be a square's colour, white or black.
QImage Scale(const QImage& decoded, QSize size)
{
    return decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation).convertToFormat(QImage::Format_RGB32);
}

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

// Every picture decoded once for the life of the module: decoding is most of what loading a picture
// costs, and it does not depend on the size. A picture drawn like the base is kept as the part where
// it differs from the base (a square and its lines), so all of them take little more than one.
class Decoded {
public:
    // The decoded picture `id`, or null.
    QImage Get(int id)
    {
        const int slot = SlotOf(id);
        if (slot < 0)
            return {};
        Entry& e = m_Entries[static_cast<std::size_t>(slot)];
        if (!e.done) {
            e.done = true;
            QImage full = Decode(id);
            const QImage& base = id == CUBEArtwork::Base ? full : Get(CUBEArtwork::Base);
            if (id == CUBEArtwork::Base || full.isNull() || full.size() != base.size()) {
                e.image = std::move(full);
                e.whole = true;
            } else {
                const QRect r = Differing(full, base);
                e.image = r.isEmpty() ? QImage() : full.copy(r);
                e.image.setOffset(r.topLeft());
                e.whole = false;
            }
        }
        if (e.whole)
            return e.image;
        QImage full = m_Entries[static_cast<std::size_t>(SlotOf(CUBEArtwork::Base))].image.copy();
        if (!e.image.isNull())
            for (int y = 0; y < e.image.height(); ++y)
                std::copy_n(e.image.constScanLine(y), e.image.bytesPerLine(),
                            full.scanLine(y + e.image.offset().y()) + e.image.offset().x() * 4);
        return full;
    }

private:
    static int SlotOf(int id) { return CCUBEPictures::Slot(id); }
    struct Entry {
        QImage image;
        bool done = false, whole = false;
    };
    std::array<Entry, CCUBEPictures::Slots> m_Entries;
};

} // namespace

QImage CCUBEPictures::Fresh(int id, QSize size)
{
    if (size.isEmpty())
        return {};
    const QImage decoded = Decode(id);
    return decoded.isNull() ? decoded : Scale(decoded, size);
}

int CCUBEPictures::Slot(int id)
{
    if (id == CUBEArtwork::ToolboxBitmap)
        return 0;
    if (id == CUBEArtwork::Base)
        return 1;
    if (id == CUBEArtwork::FromBelow)
        return 2;
    if (id < 300 || id >= 900 || (id - 300) % 100 >= 27)
        return -1;
    return 3 + 27 * ((id - 300) / 100) + (id - 300) % 100;
}

const QImage* CCUBEPictures::Load(int id, QSize size)
{
    if (size != m_Size) {
        for (int k = 0; k < Slots; ++k) {
            m_Kept[k] = QImage();
            m_Loaded[k] = false;
        }
        m_Size = size;
    }
    const int slot = Slot(id);
    if (slot < 0 || size.isEmpty())
        return nullptr;
    if (m_Loaded[slot])
        return &m_Kept[slot];
    static Decoded decoded;
    const QImage original = decoded.Get(id);
    if (original.isNull())
        return nullptr;
    QImage full = Scale(original, size);
    const QImage* base = id == CUBEArtwork::Base ? nullptr : Load(CUBEArtwork::Base, size);
    m_Loaded[slot] = true;
    if (!base) {
        m_Kept[slot] = std::move(full);
        return &m_Kept[slot];
    }
    const QRect r = Differing(full, *base);
    m_Kept[slot] = QImage();
    if (!r.isEmpty()) {
        m_Kept[slot] = full.copy(r);
        m_Kept[slot].setOffset(r.topLeft());
    }
    return &m_Kept[slot];
}

bool CCUBEPictures::IsBase(const QImage* picture) const
{
    const int base = Slot(CUBEArtwork::Base);
    return picture && m_Loaded[base] && picture == &m_Kept[base];
}
