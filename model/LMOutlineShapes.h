#pragma once

#include <QPainterPath>

// The paths a page is drawn with around the pouch window, in outline units:
// the outline itself, the frame ring of the chosen level and its contours.
struct LMOutlineShapes {
    QPainterPath outline;
    QPainterPath frame;
    QPainterPath outer;
    QPainterPath inner; // the chosen level's contour
};
