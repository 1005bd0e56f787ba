// The design on paper: what printing, the preview and PDF files draw.
#include "canvas/LMGraphView.h"

#include "model/output/LMPrinting.h"

#include <QPrinter>

LMPrinting::Job LMGraphView::printJob() const
{
    LMPrinting::Job job;
    job.strips = m_flags.stripMode();
    job.offsetMm = m_printOffset;
    job.clipToOutline = m_flags.clipToOutline();
    return job;
}

bool LMGraphView::printTo(QPrinter &printer, QString *error)
{
    const bool printed = LMPrinting::print(printer, document(), outlineShapes(), printJob(), error);
    // The screen's frame layer is built anew after printing.
    setFrameStage(0);
    return printed;
}

void LMGraphView::slot_PrintPainter(QPrinter *printer)
{
    if (printer)
        printTo(*printer, nullptr);
}

void LMGraphView::setPrintOffset(const QPointF &offsetMm)
{
    m_printOffset = offsetMm;
}
