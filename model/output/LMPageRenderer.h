#pragma once

#include "model/LMDocument.h"
#include "model/LMOutlineShapes.h"

#include <QImage>
#include <QRect>

#include <array>

class LMFrameTextSettings;
class QPainter;
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

// The strip-pattern sheet of the design: its texture, text and strip settings
// on a white page of the design's paper.
QImage renderStripSheet(const LMDocument &document);

// The same two onto any device (a printer, a PDF, a preview), with the page
// spread over `target` in the painter's coordinates: the page picture
// smoothly scaled, and the cutting line, the frame ring, its letters and
// the strip sheet drawn as shapes at the device's resolution.
void paintPage(QPainter &painter, const QRectF &target, const LMDocument &document,
               const LMOutlineShapes &shapes, Options options = {});
void paintStripSheet(QPainter &painter, const QRectF &target, const LMDocument &document);

// The page inside margins given in millimetres (top, left, bottom, right).
QRect printableRect(const QRect &page, const std::array<double, 4> &margins);

// The frame text a design describes, with a glyph cache of its own.
void frameTextOf(const LMDocument &document, LMFrameTextSettings &text);

// From outline units to page pixels: turned about the outline's centre, then
// moved to the design's offset.
QTransform outlineToPage(const LMDocument &document, const QPainterPath &outline);

} // namespace LMPageRenderer
