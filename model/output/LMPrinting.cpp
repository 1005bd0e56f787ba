#include "model/output/LMPrinting.h"

#include "model/LMPaperTable.h"
#include "model/output/LMPageRenderer.h"

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

void setUp(QPrinter &printer, int paperId, bool landscape)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(LMPaperTable::printerPageSize(paperId)));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

namespace {
// What QPrinter::HighResolution gives a PDF.
constexpr int PdfResolution = 1200;

// The job spread over `sheet`, the whole paper in device pixels at `dpi`.
void paintJob(QPainter &painter, const QRectF &sheet, int dpi, const LMDocument &document,
              const LMOutlineShapes &shapes, const LMOutputJob &job)
{
    const double perMm = dpi / 25.4;
    const QRectF target(sheet.left() + job.printOffsetMm.x() * perMm,
                        sheet.top() + job.printOffsetMm.y() * perMm, sheet.width(), sheet.height());
    if (job.strips)
        LMPageRenderer::paintStripSheet(painter, target, document);
    else
        LMPageRenderer::paintPage(painter, target, document, shapes, {job.clipToOutline});
}

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
} // namespace

bool print(QPrinter &printer, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error =
                printer.outputFileName().isEmpty()
                    ? QCoreApplication::translate("LMPrinting", "The printer could not be started.")
                    : notWritten(printer.outputFileName());
        return false;
    }
    paintJob(painter, printer.paperRect(QPrinter::DevicePixel), printer.resolution(), document,
             shapes, job);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) {
        if (error)
            *error = printerError();
        return false;
    }
    return true;
}

bool writePdf(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
              const LMOutputJob &job, QString *error)
{
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
        QPageLayout(QPageSize(LMPaperTable::printerPageSize(document.flags.paperId())),
                    document.flags.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        if (error)
            *error = notWritten(part.fileName());
        return false;
    }
    paintJob(painter, pdf.pageLayout().fullRectPixels(PdfResolution), PdfResolution, document,
             shapes, job);
    if (!painter.end()) {
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
