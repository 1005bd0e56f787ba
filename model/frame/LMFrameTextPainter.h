#pragma once

#include <QChar>
#include <QList>
#include <QPolygonF>
#include <QTransform>

class LMFrameTextSettings;
class QPainter;
class QPainterPath;

// Writes the frame text inside the frame ring, in outline units: one row per
// 12 mm of frame from the third level up (4 mm on thin strips), set as words
// with the font's advances and spread evenly along each stretch of a row.
// Letters stand with their tops away from the window, and are turned along
// the bottom to read upright from in front of the insert. A word that would
// touch another's letters or leave the ring is left out whole.
namespace LMFrameTextPainter {

struct Placed {
    QChar character;
    int row;          // 3 for the first row
    int word;         // letters of one word share it; separators are words of their own
    bool turned;      // read from below: tops towards the window
    bool separator;   // part of the separator between repeats
    QPolygonF probe;  // the letter's ink, in outline units
    QPointF up;       // towards the letter's top
    QTransform place; // the letter's own space to outline units
    QPointF pen;      // where it is set, in its own space
};

// Where every letter goes, without drawing any.
QList<Placed> layout(const QPainterPath &outline, LMFrameTextSettings &text, int frameIndex,
                     bool thinStrips, const QPainterPath *ring = nullptr);

// `asShapes` draws the letters as vectors (printers, PDFs) instead of
// pictures. With a `ring`, no letter leaves it.
QList<Placed> paint(QPainter &painter, const QPainterPath &outline, LMFrameTextSettings &text,
                    int frameIndex, bool thinStrips, bool asShapes = false,
                    const QPainterPath *ring = nullptr);

} // namespace LMFrameTextPainter
