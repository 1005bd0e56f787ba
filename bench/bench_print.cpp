// Measures PDF output through the print path:
//   a Letter design with frame texture and text, its time and file size
//   the same design on A0
//   the strip sheet of the Letter design
//   bench_print
#include "app/LMResources.h"
#include "common/Timing.h"
#include "model/LMNewDesign.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMPrinting.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {
LMDocument framed(LMArtFrameFactory &catalogue, int paperId, bool landscape)
{
    LMDocument doc = LMNewDesign::blank(*catalogue.outlineOf(0, 0));
    const int row = LMPaperTable::lastRowWithId(paperId);
    doc.flags.setPaperId(paperId);
    doc.flags.setLandscape(landscape);
    doc.page = QImage(LMPaperTable::pixelSize(row, landscape), QImage::Format_RGB32);
    doc.page.fill(Qt::white);
    // Something drawn on the page, as a design has.
    QPainter p(&doc.page);
    p.setPen(QPen(Qt::darkBlue, 4));
    for (int i = 0; i < 40; ++i)
        p.drawLine(20 + 15 * i, 40, 300 + 10 * i, 400);
    p.end();
    doc.flags.setFrameEffectOn(true);
    doc.flags.setFrameTextOn(true);
    doc.flags.setFrameIndex(5);
    doc.frameText = QStringLiteral("EMMA 2026 ");
    return doc;
}

void report(const char *what, const QString &path, LMArtFrameFactory &catalogue,
            const LMDocument &doc, const LMOutputJob &job)
{
    const LMOutlineShapes shapes = catalogue.shapesOf(0, 0, 5);
    bool ok = true;
    const double ms =
        medianMs(3, [&] { ok = LMPrinting::writePdf(path, doc, shapes, job, nullptr) && ok; });
    std::printf("%s: %.0f ms, %.2f MB%s\n", what, ms, QFileInfo(path).size() / 1048576.0,
                ok ? "" : " (FAILED)");
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    LMArtFrameFactory catalogue;
    QTemporaryDir dir;
    const LMDocument letter = framed(catalogue, 2, true);
    report("Letter design with texture and text to PDF", dir.filePath(QStringLiteral("l.pdf")),
           catalogue, letter, {});
    report("A0 design with texture and text to PDF", dir.filePath(QStringLiteral("a0.pdf")),
           catalogue, framed(catalogue, 5, false), {});
    LMOutputJob strips;
    strips.strips = true;
    LMDocument sheet = letter;
    sheet.flags.setStripCount(3);
    sheet.flags.setUseHeight(true);
    report("Letter strip sheet with text to PDF", dir.filePath(QStringLiteral("s.pdf")), catalogue,
           sheet, strips);
    return 0;
}
