#include "model/output/LMPrinting.h"

#include "model/LMPaperTable.h"
#include "model/output/LMPageRenderer.h"
#include "model/output/LMSheetLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace LMPrinting {

void setUp(QPrinter &printer, const LMOutputPlan &plan)
{
    printer.setFullPage(true);
    printer.setPageSize(plan.paper);
    printer.setPageOrientation(plan.orientation);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

namespace {
// What QPrinter::HighResolution gives a PDF.
constexpr int PdfResolution = 1200;

// One insert spread over `target` (its footprint in device pixels), turned a
// quarter clockwise about it when the sheet wants it so.
void paintInsert(QPainter &painter, const QRectF &target, bool turned, const LMDocument &document,
                 const LMOutlineShapes &shapes, const LMOutputJob &job)
{
    QRectF upright = target;
    painter.save();
    if (turned) {
        painter.translate(target.right(), target.top());
        painter.rotate(90);
        upright = QRectF(0, 0, target.height(), target.width());
    }
    if (job.strips)
        LMPageRenderer::paintStripSheet(painter, upright, document);
    else
        LMPageRenderer::paintPage(painter, upright, document, shapes, {job.clipToOutline});
    painter.restore();
}
} // namespace

void paintPage(QPainter &painter, const QRectF &paper, double dpi, const LMOutputPlan &plan,
               int index, const LMDocument &document, const LMOutlineShapes &shapes,
               const LMOutputJob &job)
{
    const double perMm = dpi / 25.4;
    const QPointF origin = paper.topLeft() + job.printOffsetMm * perMm;
    const auto onDevice = [&](const QRectF &mm) {
        return QRectF(origin + mm.topLeft() * perMm, mm.size() * perMm);
    };
    const QList<LMOutputPlan::Insert> &inserts = plan.pages.at(index);
    for (const LMOutputPlan::Insert &insert : inserts) {
        const QRectF target = onDevice(insert.place);
        painter.save();
        // A frame reaching past the insert's edge stays off its neighbours.
        if (plan.sheet)
            painter.setClipRect(target, Qt::IntersectClip);
        paintInsert(painter, target, insert.turned, withName(document, insert.name), shapes, job);
        painter.restore();
    }
    if (!plan.sheet)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, LMSheetLayout::MarkWidthMm * perMm, Qt::SolidLine, Qt::FlatCap));
    for (const LMOutputPlan::Insert &insert : inserts)
        for (const QLineF &mark : LMSheetLayout::cropMarks(insert.place))
            painter.drawLine(QLineF(origin + mark.p1() * perMm, origin + mark.p2() * perMm));
    painter.restore();
}

namespace {
QString notWritten(const QString &path)
{
    return QCoreApplication::translate("LMPrinting", "%1 could not be written.")
        .arg(QDir::toNativeSeparators(path));
}

QString printerError()
{
    return QCoreApplication::translate(
        "LMPrinting", "The printer reported an error; the page may not have been printed.");
}

// Every page of the plan onto `device`, a new page before each but the first.
template <class Device>
bool paintPages(QPainter &painter, Device &device, const QRectF &paper, double dpi,
                const LMOutputPlan &plan, const LMDocument &document, const LMOutlineShapes &shapes,
                const LMOutputJob &job)
{
    for (int i = 0; i < plan.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(painter, paper, dpi, plan, i, document, shapes, job);
    }
    return true;
}
} // namespace

bool print(QPrinter &printer, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error)
{
    const LMOutputPlan plan = LMOutputPlan::of(document, job);
    if (plan.isEmpty()) {
        if (error)
            *error = LMOutputPlan::tooSmall();
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error =
                printer.outputFileName().isEmpty()
                    ? QCoreApplication::translate("LMPrinting", "The printer could not be started.")
                    : notWritten(printer.outputFileName());
        return false;
    }
    const bool painted = paintPages(painter, printer, printer.paperRect(QPrinter::DevicePixel),
                                    printer.resolution(), plan, document, shapes, job);
    const bool ended = painter.end();
    if (!painted || !ended || printer.printerState() == QPrinter::Error) {
        if (error)
            *error = printerError();
        return false;
    }
    return true;
}

bool writePdf(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
              const LMOutputJob &job, QString *error)
{
    const LMOutputPlan plan = LMOutputPlan::of(document, job);
    if (plan.isEmpty()) {
        if (error)
            *error = LMOutputPlan::tooSmall();
        return false;
    }
    const QFileInfo target(path);
    QTemporaryFile part(target.absoluteDir().filePath(QStringLiteral(".lumetra-XXXXXX.pdf")));
    if (!part.open()) {
        if (error)
            *error = QCoreApplication::translate("LMPrinting", "%1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), part.errorString());
        return false;
    }
    part.close();
    // A file needs no printer: a QPrinter would first load the print system
    // and ask it for its printers. The page and its bytes are the ones a
    // high-resolution PDF printer writes.
    QPdfWriter pdf(part.fileName());
    pdf.setCreator(QStringLiteral("Lumetra"));
    pdf.setResolution(PdfResolution);
    pdf.setPageLayout(
        QPageLayout(plan.paper, plan.orientation, QMarginsF(), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        if (error)
            *error = notWritten(part.fileName());
        return false;
    }
    const bool painted = paintPages(painter, pdf, pdf.pageLayout().fullRectPixels(PdfResolution),
                                    PdfResolution, plan, document, shapes, job);
    if (!painter.end() || !painted) {
        if (error)
            *error = printerError();
        return false;
    }
    // rename(2) replaces the old file in one step.
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        if (error)
            *error = QCoreApplication::translate("LMPrinting", "%1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path),
                              QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    part.setAutoRemove(false);
    // A temporary file is private; the PDF gets the permissions any new file would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(target.absoluteFilePath()).constData(), 0666 & ~mask);
    return true;
}

} // namespace LMPrinting
