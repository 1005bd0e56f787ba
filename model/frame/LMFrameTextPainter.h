#pragma once

#include <QChar>
#include <QList>
#include <QPolygonF>

class LMFrameTextSettings;
class QPainter;
class QPainterPath;

// Writes the frame text round the pouch window, in outline units: one row per
// 12 mm of frame from the third level up, the text running backwards on one
// side of the outline and forwards on the other; the caller's clip to the
// frame ring keeps the glyphs that land inside it. No glyph overlaps another
// where the outline bends.
namespace LMFrameTextPainter {

struct Placed {
    QChar character;
    int pass;        // 0 turned half a turn and walking backwards, 1 forwards
    int row;         // 3 for the first row
    QPolygonF probe; // the room it takes, in outline units
};

// `asShapes` draws the letters as vectors (printers, PDFs) instead of pictures.
QList<Placed> paint(QPainter &painter, const QPainterPath &outline, LMFrameTextSettings &text,
                    int frameIndex, bool thinStrips, bool asShapes = false);

} // namespace LMFrameTextPainter
