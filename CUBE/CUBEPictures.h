// The control's pictures, decoded and scaled once per size and kept.
#pragma once

#include <QImage>
#include <QSize>

class CCUBEPictures {
public:
    // The picture with resource number `id` scaled to `size`, or null when there is none.
    const QImage* Load(int id, QSize size);
};
