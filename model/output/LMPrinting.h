#pragma once

#include "model/LMDocument.h"
#include "model/LMOutlineShapes.h"

#include <QPointF>
#include <QString>

class QPrinter;

// The design on paper: the printer set up for the design's paper and
// orientation, full page and no margins, and the page (or its strip sheet)
// spread over the whole sheet. Printing, the preview, PDF files and the
// command line all go through here.
namespace LMPrinting {

struct Job {
    bool strips = false; // the strip-pattern sheet instead of the page
    QPointF offsetMm;    // moves the whole printout, for printers that shift it
    bool clipToOutline = false;
};

void setUp(QPrinter &printer, int paperId, bool landscape);

// Paints onto an open printer; false with `error` set when the printer
// refuses (no printer, a PDF target that cannot be written).
bool print(QPrinter &printer, const LMDocument &document, const LMOutlineShapes &shapes,
           const Job &job, QString *error);

// A one-page PDF of the design's paper, written to a temporary file beside
// `path` and renamed over it, so a failed write leaves an older file whole.
bool writePdf(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
              const Job &job, QString *error);

} // namespace LMPrinting
