#pragma once

#include "model/LMDocument.h"
#include "model/LMOutlineShapes.h"
#include "model/output/LMOutputJob.h"
#include "model/output/LMOutputPlan.h"

#include <QPointF>
#include <QString>

class QPrinter;

class QPainter;

// The design on paper: the printer set up for the plan's paper, full page
// and no margins, and each insert (the page or its strip sheet) spread over
// its place, moved by the job's print offset. Printing, the preview and PDF
// files go through here.
namespace LMPrinting {

void setUp(QPrinter &printer, const LMOutputPlan &plan);

// Page `index` of `plan` on `paper`, the whole paper in device pixels at `dpi`.
void paintPage(QPainter &painter, const QRectF &paper, double dpi, const LMOutputPlan &plan,
               int index, const LMDocument &document, const LMOutlineShapes &shapes,
               const LMOutputJob &job);

// Paints every page onto an open printer; false with `error` set when the
// printer refuses (no printer, a PDF target that cannot be written) or the
// job's sheet holds no insert.
bool print(QPrinter &printer, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error);

// A PDF with a page for each page of the plan, written to a temporary file beside
// `path` and renamed over it, so a failed write leaves an older file whole.
// Files go through LMOutput::write, which never passes a print offset.
bool writePdf(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
              const LMOutputJob &job, QString *error);

} // namespace LMPrinting
