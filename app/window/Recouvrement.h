// Widgets that overlap by design (the staircases of arrows): each answers the mouse only where it
// can be seen, so a click on what is seen of an arrow always turns that arrow's layer.
#pragma once

#include <QRect>
#include <QRegion>

#include <vector>

class QWidget;

// What of `rect` the regions painted above it leave in sight, relative to its top-left corner.
QRegion PartieVisible(const QRect& rect, const std::vector<QRegion>& dessus);

// Keeps the mask of each of `widgets` to its part in sight: what the shown sibling widgets stacked
// above it leave uncovered where they actually paint (a button's face, or only its picture when it
// has no face). Follows their moves, sizes, styles, showing, hiding and restacking.
void MasquerRecouvrements(const std::vector<QWidget*>& widgets);
