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
    // The paper (a page-size number of the paper table) that inserts are laid
    // out on, as many to a sheet as fit; -1 prints each insert on its own
    // paper.
    int sheetPaperId = -1;
    // A picture file holds one page of the output: with several (one per name,
    // or sheets), the first unless this asks for one numbered file per page.
    bool numberedPictures = false;
};
