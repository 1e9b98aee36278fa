// The control's pictures, drawn at the size they are shown at, from the cube's drawing, and kept
// while the size stays the same.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CCUBEPictures {
public:
    // Picture `id` drawn at `size` (Format_RGB32), pixel by pixel and keeping nothing: what a paint
    // that keeps nothing would load. Every pixel of the base and of a square picture is a square's
    // colour, white or black, which combining with AND needs. Null when there is no such picture or
    // the size is empty. The toolbox bitmap is drawn into `size` keeping its shape.
    static QImage Fresh(int id, QSize size);

    // The toolbox bitmap as the module holds it: 48 x 48 pixels with 16 colours.
    static QImage ToolboxBitmap();

    // Picture `id` at `size`, made once and kept while the size stays the same; asking for another
    // size drops everything kept. The first picture asked for at a size sorts every pixel once into
    // its square (or none), and every picture is then made from that. The base picture is kept
    // whole. Every other picture is kept only where it differs from the base at that size: the image
    // holds that rectangle and offset() places it (a null image when nothing differs). Since a paint
    // starts from the base and only ANDs onto it, a pixel where a picture equals the base can never
    // change, so combining the kept part gives the same result as combining the whole picture.
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
    bool Sort(QSize size);
    QImage FromSorted(int id) const;
    QImage InStore(std::size_t offset, QSize size);

    QSize m_Size;
    bool m_Sorted = false;
    // The square (0..26) at each pixel, row by row, or NoSquare; and each square's bounds.
    static constexpr uint8_t NoSquare = 0xff;
    std::vector<uint8_t> m_Squares;
    std::array<QRect, 27> m_Bounds{};
    // The pixels of the base and of the 135 square pictures, one after the other. Kept from one size
    // to the next and only ever grown: memory the system has already handed over costs nothing to
    // use again, fresh memory does, and a window being resized asks for one size after another.
    // Each picture's pixels are written only when it is first asked for.
    std::unique_ptr<QRgb[]> m_Store;
    std::size_t m_StoreSize = 0;
    std::array<std::size_t, 5 * 27> m_Offsets{};
    std::array<QImage, Slots> m_Kept;
    std::array<bool, Slots> m_Loaded{};
};
