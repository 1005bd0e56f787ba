// Measures a fine design (a page held k times finer than its document pixels):
//   a small stroke's apply and the memory its undo step holds, against the page
//   a repaint of the canvas at 100 %, alone and right after a stroke
//   saving and loading a page holding a photograph, and its PDF
// on Letter (k = 4, both orientations, then the slower of the two) and A0 (k = 2).
// Strokes land on the photograph, as they would on a design with content.
//   QT_QPA_PLATFORM=offscreen bench_finepage [runs]
#include "../tests/common/MakeCanvas.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "common/PhotoLike.h"
#include "common/Timing.h"
#include "model/LMDocumentFile.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMOutput.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace {
struct Figures {
    double stroke = 0, stepFraction = 0, repaint = 0, strokeRepaint = 0;
    double save = 0, load = 0, fileMb = 0, pdf = 0, pdfMb = 0;
    qint64 stepBytes = 0;
};

// A 2 px line about 60 document pixels long, somewhere else each time so
// that every stroke really changes pixels.
bool stroke(LMDesign &design, int n)
{
    const QSize size = design.pageSize();
    const QPointF from(40 + (n * 37) % (size.width() - 120), 40 + (n * 53) % (size.height() - 120));
    return design.paintPage([&](QPainter &p) {
        p.setPen(QPen(Qt::darkBlue, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, from + QPointF(48, 36));
        return true;
    });
}

Figures measure(const char *name, int row, bool landscape, bool onScreen, int runs,
                LMArtFrameFactory &catalogue, const QImage &photo)
{
    const std::unique_ptr<LMGraphView> canvas(makeCanvas(&catalogue));
    LMGraphView &view = *canvas;
    LMDesign &design = view.design();
    const QSize size = LMPaperTable::pixelSize(row, landscape);
    view.setPaper(LMPaperTable::rows()[row].pageSizeId, landscape, size, 1.0);
    design.setDetail(LMPageDetail::forPage(size));
    design.paintPage([&](QPainter &p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const double scale =
            std::min(double(size.width()) / photo.width(), double(size.height()) / photo.height());
        QRectF target(0, 0, photo.width() * scale, photo.height() * scale);
        target.moveCenter(QRectF(design.pageRect()).center());
        p.drawImage(target, photo);
        return true;
    });
    std::printf("%-16s k = %d, page %d x %d document px, %d x %d physical px (%.1f MB)\n", name,
                design.detail(), size.width(), size.height(), design.page().width(),
                design.page().height(), design.page().sizeInBytes() / 1048576.0);

    Figures f;
    int n = 0;
    f.stroke = medianMs(runs, [&] { stroke(design, n++); });
    const qint64 before = design.history().storedBytes();
    stroke(design, n++);
    f.stepBytes = design.history().storedBytes() - before;
    f.stepFraction = double(f.stepBytes) / double(design.page().sizeInBytes());

    if (onScreen) {
        view.show();
        QApplication::processEvents();
        // The outline's frame layer is built over several paints; finish it first.
        for (int i = 0; i < 20 && view.frameStage() < LMFrameLayer::StageCount; ++i)
            view.repaint();
        f.repaint = medianMs(runs, [&] { view.repaint(); });
        f.strokeRepaint = medianMs(runs, [&] {
            stroke(design, n++);
            view.repaint();
        });
        view.hide();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("design.lmx"));
    f.save = medianMs(runs, [&] {
        const QByteArray bytes = LMDocumentFile::write(design.toDocument());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::printf("  could not write %s\n", qPrintable(path));
    });
    f.fileMb = QFileInfo(path).size() / 1048576.0;
    f.load = medianMs(runs, [&] {
        QFile file(path);
        const std::optional<LMDocument> doc =
            file.open(QIODevice::ReadOnly) ? LMDocumentFile::read(file) : std::nullopt;
        if (doc)
            design.load(*doc);
        else
            std::printf("  could not read %s\n", qPrintable(path));
    });
    if (design.detail() != LMPageDetail::forPage(size))
        std::printf("  the design came back at k = %d\n", design.detail());

    if (onScreen) {
        const QString pdf = dir.filePath(QStringLiteral("design.pdf"));
        const LMDocument doc = design.toDocument();
        const LMOutlineShapes shapes = design.outputShapes();
        f.pdf = medianMs(runs, [&] {
            QString error;
            if (!LMOutput::write(pdf, doc, shapes, view.fileJob(), &error))
                std::printf("  PDF failed: %s\n", qPrintable(error));
        });
        f.pdfMb = QFileInfo(pdf).size() / 1048576.0;
    }
    return f;
}

void printRow(const char *name, const Figures &f, bool onScreen)
{
    std::printf("%-16s %8.2f %9.1f %9.5f %9s", name, f.stroke, f.stepBytes / 1024.0, f.stepFraction,
                f.stepFraction < 1.0 / 20 ? "yes" : "NO");
    if (onScreen)
        std::printf(" %9.2f %9.2f", f.repaint, f.strokeRepaint);
    else
        std::printf(" %9s %9s", "-", "-");
    std::printf(" %8.0f %8.0f %8.2f", f.save, f.load, f.fileMb);
    if (onScreen)
        std::printf(" %8.0f %8.2f\n", f.pdf, f.pdfMb);
    else
        std::printf(" %8s %8s\n", "-", "-");
}

Figures slower(const Figures &a, const Figures &b)
{
    Figures f;
    f.stroke = std::max(a.stroke, b.stroke);
    f.stepBytes = std::max(a.stepBytes, b.stepBytes);
    f.stepFraction = std::max(a.stepFraction, b.stepFraction);
    f.repaint = std::max(a.repaint, b.repaint);
    f.strokeRepaint = std::max(a.strokeRepaint, b.strokeRepaint);
    f.save = std::max(a.save, b.save);
    f.load = std::max(a.load, b.load);
    f.fileMb = std::max(a.fileMb, b.fileMb);
    f.pdf = std::max(a.pdf, b.pdf);
    f.pdfMb = std::max(a.pdfMb, b.pdfMb);
    return f;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    const int runs = std::max(1, argc > 1 ? QByteArray(argv[1]).toInt() : 10);
    LMArtFrameFactory catalogue;
    const QImage photo = photoLike(QSize(4000, 3000));
    constexpr int Letter = 0, A0 = 3;

    std::printf("Median of %d runs; a photograph of 4000 x 3000 fitted across each page.\n", runs);
    const Figures landscape =
        measure("Letter landscape", Letter, true, true, runs, catalogue, photo);
    const Figures portrait =
        measure("Letter portrait", Letter, false, true, runs, catalogue, photo);
    const Figures a0 = measure("A0 portrait", A0, false, false, runs, catalogue, photo);

    std::printf("\n%-16s %8s %9s %9s %9s %9s %9s %8s %8s %8s %8s %8s\n", "", "stroke", "step",
                "step/", "under", "repaint", "stroke+", "save", "load", "file", "PDF", "PDF");
    std::printf("%-16s %8s %9s %9s %9s %9s %9s %8s %8s %8s %8s %8s\n", "", "ms", "KiB", "page",
                "1/20", "ms", "repaint", "ms", "ms", "MB", "ms", "MB");
    printRow("Letter landscape", landscape, true);
    printRow("Letter portrait", portrait, true);
    printRow("Letter slowest", slower(landscape, portrait), true);
    printRow("A0 portrait", a0, false);
    return 0;
}
