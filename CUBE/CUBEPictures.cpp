#include "CUBEPictures.h"

#include "CUBEArtwork.h"

#include <algorithm>
#include <limits>

QImage CCUBEPictures::Fresh(int id, QSize size)
{
    if (size.isEmpty())
        return {};
    const CUBEArtwork::File file = CUBEArtwork::PictureFile(id);
    if (!file.data || file.size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return {};
    const QImage decoded = QImage::fromData(file.data, static_cast<int>(file.size));
    if (decoded.isNull())
        return {};
    // Nearest pixel only: smoothing would mix a square's colour with the black lines, and AND needs
    // every pixel to be a square's colour, white or black.
    return decoded.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
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
    if (slot < 0)
        return nullptr;
    if (m_Loaded[slot])
        return &m_Kept[slot];
    QImage full = Fresh(id, size);
    if (full.isNull())
        return nullptr;
    const QImage* base = id == CUBEArtwork::Base ? nullptr : Load(CUBEArtwork::Base, size);
    m_Loaded[slot] = true;
    if (!base) {
        m_Kept[slot] = std::move(full);
        return &m_Kept[slot];
    }
    // The bounding rectangle of the pixels that differ from the base.
    int left = size.width(), right = -1, top = size.height(), bottom = -1;
    for (int y = 0; y < size.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(full.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(base->constScanLine(y));
        int x0 = 0;
        while (x0 < size.width() && p[x0] == b[x0])
            ++x0;
        if (x0 == size.width())
            continue;
        int x1 = size.width() - 1;
        while (p[x1] == b[x1])
            --x1;
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, y);
        bottom = y;
    }
    m_Kept[slot] = QImage();
    if (bottom >= 0) {
        m_Kept[slot] = full.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
        m_Kept[slot].setOffset(QPoint(left, top));
    }
    return &m_Kept[slot];
}

bool CCUBEPictures::IsBase(const QImage* picture) const
{
    const int base = Slot(CUBEArtwork::Base);
    return picture && m_Loaded[base] && picture == &m_Kept[base];
}
