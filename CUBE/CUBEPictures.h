// The control's pictures, decoded and scaled once per size and kept.
#pragma once

#include <QImage>
#include <QSize>

#include <array>

class CCUBEPictures {
public:
    // Picture `id` decoded and scaled to `size` (Format_RGB32, nearest pixel, no smoothing), as a paint
    // that keeps nothing would load it. Null when there is no such picture or the size is empty.
    static QImage Fresh(int id, QSize size);

    // Picture `id` at `size`, decoded and scaled once and kept while the size stays the same; asking
    // for another size drops everything kept. The base picture is kept whole. Every other picture is
    // kept only where it differs from the base at that size: the image holds that rectangle and
    // offset() places it (a null image when nothing differs). Since a paint starts from the base and
    // only ANDs onto it, a pixel where a picture equals the base can never change, so combining the
    // kept part gives the same result as combining the whole picture.
    // Null when there is no such picture or the size is empty. Pointers stay valid until the size changes.
    const QImage* Load(int id, QSize size);

    // The size of what is kept.
    QSize Size() const { return m_Size; }
    // Whether `picture` is the kept base, which leaves a picture started from it unchanged under AND.
    bool IsBase(const QImage* picture) const;

    // One slot per picture number: 1, 201, 202, then 300 + 100 * c + i for c = 0..5, i = 0..26; -1
    // for any other number. (A plain array also keeps std::map<int, QImage> out of the module's exports.)
    static constexpr int Slots = 3 + 6 * 27;
    static int Slot(int id);

private:

    QSize m_Size;
    std::array<QImage, Slots> m_Kept;
    std::array<bool, Slots> m_Loaded{};
};
