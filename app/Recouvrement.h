// Widgets that overlap by design (the staircases of arrows): each answers the mouse only on the part
// of it that can be seen, so a click always goes to the button it is seen on.
#pragma once

#include <QRect>
#include <QRegion>

#include <cstddef>
#include <vector>

class QWidget;

// The part of rects[i] that the rects after it (stacked above it) leave in sight, relative to
// rects[i]'s top-left corner.
QRegion PartieVisible(const std::vector<QRect>& rects, std::size_t i);

// Keeps the mask of each of `widgets` to its part in sight: what the shown sibling widgets stacked
// above it leave uncovered. Follows their moves, sizes, showing, hiding and restacking.
void MasquerRecouvrements(const std::vector<QWidget*>& widgets);
