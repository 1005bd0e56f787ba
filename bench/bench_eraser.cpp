// Measures what one repaint of the canvas costs while an eraser stroke is
// still live, after 10 and after 1,000 pointer moves, with a 40-pixel eraser
// on an A4 page at 100 %; and what committing the long stroke costs.
//   bench_eraser
#include "../tests/common/MakeCanvas.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "model/LMPaperTable.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "tools/stroke/LMScreenMsgHandlerEraser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {
// The median of 15 repaints into an image the size of the canvas.
double repaintMs(LMGraphView &view)
{
    QImage target(view.size(), QImage::Format_ARGB32_Premultiplied);
    QVector<double> ms;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer timer;
        timer.start();
        view.render(&target);
        ms << timer.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// A zig-zag over the page, one move every 3 pixels.
QPoint zigzag(int i)
{
    return QPoint(60 + (i * 3) % 540, 60 + int(700 * std::fabs(std::sin(i * 0.01))) + i % 7 * 2);
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    const std::unique_ptr<LMGraphView> canvas(makeCanvas());
    LMGraphView &view = *canvas;
    const int a4 = LMPaperTable::lastRowWithId(0);
    const QSize page = LMPaperTable::pixelSize(a4, false);
    view.setPage(page.width(), page.height(), 1.0);
    view.setHandlerByName(QStringLiteral("eraser"));
    auto *eraser = static_cast<LMScreenMsgHandlerEraser *>(view.currentHandler());
    eraser->slot_widthChanged(40);
    eraser->onMousePress(zigzag(0), view.toDocument(zigzag(0)));
    double after10 = 0;
    for (int i = 1; i <= 1000; ++i) {
        eraser->onMouseMove(zigzag(i), view.toDocument(zigzag(i)));
        if (i == 10)
            after10 = repaintMs(view);
    }
    const double after1000 = repaintMs(view);
    QElapsedTimer timer;
    timer.start();
    eraser->onMouseRelease(zigzag(1000), view.toDocument(zigzag(1000)));
    const double commitMs = timer.nsecsElapsed() / 1e6;
    std::printf("A4 %dx%d, 40-pixel eraser: repaint after 10 moves %.2f ms, after 1000 moves "
                "%.2f ms (%.2fx); committing the 1000-move stroke %.1f ms\n",
                page.width(), page.height(), after10, after1000, after1000 / after10, commitMs);
    return 0;
}
