#pragma once

#include "model/LMDocument.h"
#include "model/LMOutlineShapes.h"
#include "model/output/LMOutputJob.h"

#include <QPointF>
#include <QString>

class QPrinter;

// The design on paper: the printer set up for the design's paper and
// orientation, full page and no margins, and the page (or its strip sheet)
// spread over the whole sheet, moved by the job's print offset. Printing,
// the preview and PDF files go through here.
namespace LMPrinting {

void setUp(QPrinter &printer, int paperId, bool landscape);

// Paints onto an open printer; false with `error` set when the printer
// refuses (no printer, a PDF target that cannot be written).
bool print(QPrinter &printer, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error);

// A one-page PDF of the design's paper, written to a temporary file beside
// `path` and renamed over it, so a failed write leaves an older file whole.
// Files go through LMOutput::write, which never passes a print offset.
bool writePdf(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
              const LMOutputJob &job, QString *error);

} // namespace LMPrinting
