// Measures what the page history costs: memory after 200 short pencil strokes
// and the time of one stroke's apply, on an A0 and a Letter page.
//   bench_history [strokes]
#include "../tests/common/MakeCanvas.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "model/LMHistory.h"
#include "model/LMPaperTable.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct Result {
    double medianMs, p90Ms, maxMs;
    qint64 pixelBytes, slotBytes, fullPages;
};

Result run(const QSize &page, int strokes)
{
    const std::unique_ptr<LMGraphView> canvas(makeCanvas());
    LMGraphView &view = *canvas;
    view.setPage(page.width(), page.height(), 1.0);
    view.setHandlerByName(QStringLiteral("pencil"));
    LMScreenMsgHandlerInf *pencil = view.currentHandler();
    QRandomGenerator random(42);
    QVector<double> applyMs;
    for (int s = 0; s < strokes; ++s) {
        // A short stroke: ten steps within about 40 pixels, anywhere on the page.
        QPoint p(20 + random.bounded(page.width() - 60), 25 + random.bounded(page.height() - 60));
        pencil->onMousePress(p, view.toDocument(p));
        for (int i = 0; i < 10; ++i) {
            p += QPoint(random.bounded(9) - 2, random.bounded(9) - 2);
            pencil->onMouseMove(p, view.toDocument(p));
        }
        QElapsedTimer timer;
        timer.start();
        pencil->onMouseRelease(p, view.toDocument(p)); // applies the stroke
        applyMs << timer.nsecsElapsed() / 1e6;
    }
    std::sort(applyMs.begin(), applyMs.end());
    const int tiles = ((page.width() + LMHistory::TileSide - 1) / LMHistory::TileSide) *
                      ((page.height() + LMHistory::TileSide - 1) / LMHistory::TileSide);
    Result r;
    r.medianMs = applyMs[applyMs.size() / 2];
    r.p90Ms = applyMs[applyMs.size() * 9 / 10];
    r.maxMs = applyMs.last();
    r.pixelBytes = view.design().history().storedBytes();
    r.slotBytes = qint64(view.design().history().count()) * tiles * qint64(sizeof(QImage));
    r.fullPages = qint64(strokes) * page.width() * page.height() * 4;
    return r;
}

void report(const char *name, const QSize &page, int strokes)
{
    const Result r = run(page, strokes);
    const double held = double(r.pixelBytes + r.slotBytes);
    std::printf("%-7s %4d x %4d  %d strokes: apply median %.2f ms, p90 %.2f ms, max %.2f ms\n",
                name, page.width(), page.height(), strokes, r.medianMs, r.p90Ms, r.maxMs);
    std::printf(
        "        history %.1f MB (tiles %.1f MB + slots %.1f MB) of %.1f MB for %d full pages"
        " = %.2f %%\n",
        held / 1e6, r.pixelBytes / 1e6, r.slotBytes / 1e6, r.fullPages / 1e6, strokes,
        100.0 * held / double(r.fullPages));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    const int strokes = argc > 1 ? QByteArray(argv[1]).toInt() : 200;
    report("A0", LMPaperTable::pixelSize(3, false), strokes);
    report("Letter", LMPaperTable::pixelSize(0, true), strokes);
    return 0;
}
