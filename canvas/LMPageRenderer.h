#pragma once

#include "canvas/LMDocument.h"
#include "canvas/LMOutlineShapes.h"

#include <QImage>
#include <QTransform>

// The page as it leaves the program (export, print, preview, PDF, the command
// line), drawn from a design held as a plain value: the raster with the
// outline as a cutting line and the frame effect over it, all at once. Never
// the editing look, the red area beyond the margins or the margin guide, and
// nothing on screen is touched.
namespace LMPageRenderer {

struct Options {
    // Only what lies inside the pouch window (and the frame) is drawn.
    bool clipToOutline = false;
};

QImage render(const LMDocument &document, const LMOutlineShapes &shapes, Options options = {});

// From outline units to page pixels: turned about the outline's centre, then
// moved to the design's offset.
QTransform outlineToPage(const LMDocument &document, const QPainterPath &outline);

} // namespace LMPageRenderer
