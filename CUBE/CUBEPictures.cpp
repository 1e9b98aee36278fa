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

const QImage* CCUBEPictures::Load(int id, QSize size)
{
    if (size != m_Size) {
        m_Kept.clear();
        m_Size = size;
    }
    if (auto it = m_Kept.find(id); it != m_Kept.end())
        return &it->second;
    QImage full = Fresh(id, size);
    if (full.isNull())
        return nullptr;
    if (id == CUBEArtwork::Base)
        return &m_Kept.emplace(id, std::move(full)).first->second;

    const QImage* base = Load(CUBEArtwork::Base, size);
    if (!base)
        return &m_Kept.emplace(id, std::move(full)).first->second;
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
    QImage part;
    if (bottom >= 0) {
        part = full.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
        part.setOffset(QPoint(left, top));
    }
    return &m_Kept.emplace(id, std::move(part)).first->second;
}

bool CCUBEPictures::IsBase(const QImage* picture) const
{
    const auto it = m_Kept.find(CUBEArtwork::Base);
    return picture && it != m_Kept.end() && picture == &it->second;
}
