// Measures of a picture that the painting and window tests share.
#pragma once

#include <QImage>

#include <cstring>

namespace picturecheck {

// The share of pixel rows that repeat the row above. A picture stretched from a smaller one repeats
// most of its rows; one drawn at its own size repeats only where no edge crosses (the background
// above and below the cube).
inline double RepeatedRows(const QImage& picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    if (img.height() < 2)
        return 0;
    int same = 0;
    for (int y = 1; y < img.height(); ++y)
        same += std::memcmp(img.constScanLine(y), img.constScanLine(y - 1), static_cast<std::size_t>(img.width()) * 4) == 0;
    return double(same) / img.height();
}

// The same for columns.
inline double RepeatedColumns(const QImage& picture)
{
    QTransform turn;
    turn.rotate(90);
    return RepeatedRows(picture.convertToFormat(QImage::Format_RGB32).transformed(turn));
}

} // namespace picturecheck
