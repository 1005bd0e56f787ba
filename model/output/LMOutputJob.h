#pragma once

#include <QPointF>

// What an output holds and how: the same for a file, a printout, the preview,
// a PDF, a thumbnail and the command line.
struct LMOutputJob {
    // The strip-pattern sheet instead of the page.
    bool strips = false;
    // Only what lies inside the pouch window (and the frame) is drawn.
    bool clipToOutline = false;
    // Millimetres a printout moves, for printers that shift the page. It
    // calibrates a printer, so print and preview apply it and files never do.
    QPointF printOffsetMm;
    // Scaled down to fit this many pixels either way (thumbnails); 0 keeps the size.
    int maxSide = 0;
};
