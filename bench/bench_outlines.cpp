// Measures the outline catalogue and layer: what start-up reads, the slowest
// ring build over every outline and level, and one screen stage of the
// outline layer for the largest outline at zoom 100 %.
#include "../tests/common/MakeCanvas.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "model/frame/LMFrameLayer.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    QElapsedTimer timer;
    timer.start();
    LMArtFrameFactory catalogue;
    const double startMs = timer.nsecsElapsed() / 1e6;
    const std::unique_ptr<LMGraphView> canvas(makeCanvas(&catalogue));
    LMGraphView &view = *canvas;
    LMDesign &design = view.design();
    view.setPage(837, 648, 1.0);
    int read = 0;
    for (int g = 0; g < catalogue.groupCount(); ++g)
        read += catalogue.group(g)->outlinesRead();
    std::printf("start-up: catalogue opened in %.2f ms, %d outline(s) read\n", startMs, read);

    // Every outline at every level; the first use of an outline also reads it.
    double slowest = 0;
    QString slowestName;
    QVector<double> all;
    for (int g = 0; g < catalogue.groupCount(); ++g) {
        for (int i = 0; i < catalogue.group(g)->count(); ++i) {
            design.selectOutline(g, i);
            for (int level = 0; level <= design.frameLevelCount(); ++level) {
                design.setFrameLevel(level); // builds the ring once; the timed call builds it again
                timer.restart();
                (void)catalogue.shapesAt(g, i, level);
                const double ms = timer.nsecsElapsed() / 1e6;
                all << ms;
                if (ms > slowest) {
                    slowest = ms;
                    slowestName = QStringLiteral("%1%2 level %3")
                                      .arg(QLatin1String(LMArtFrameFactory::GroupIds[g]))
                                      .arg(i + 1, 2, 10, QLatin1Char('0'))
                                      .arg(level);
                }
            }
        }
    }
    std::printf("ring build over %lld outline levels: median %.2f ms, slowest %.2f ms (%s)\n",
                qlonglong(all.size()), median(all), slowest, qPrintable(slowestName));

    // The largest outline of the XL group, one stage at a time, as on screen.
    int largest = 0;
    double area = 0;
    for (int i = 0; i < catalogue.group(3)->count(); ++i) {
        const QRectF box = catalogue.outlineOf(3, i)->boundingRect();
        if (box.width() * box.height() > area) {
            area = box.width() * box.height();
            largest = i;
        }
    }
    design.selectOutline(3, largest);
    LMFrameLayerInputs in;
    in.outline = design.outlinePath();
    for (bool editing : {false, true}) {
        in.outlineEditing = editing;
        QVector<double> stage;
        for (int run = 0; run < 21; ++run) {
            LMFrameLayer::Image work;
            timer.restart();
            LMFrameLayer::renderStage(0, work, in);
            stage << timer.nsecsElapsed() / 1e6;
        }
        std::printf("outline stage, XL%02d %s: median %.2f ms\n", largest + 1,
                    editing ? "shaded while editing" : "cutting line", median(stage));
    }
    // And a whole paint of the page with its finished layer (the first three
    // paints build the layer).
    for (int run = 0; run < LMFrameLayer::StageCount; ++run)
        view.grab();
    QVector<double> paints;
    for (int run = 0; run < 21; ++run) {
        timer.restart();
        view.grab();
        paints << timer.nsecsElapsed() / 1e6;
    }
    std::printf("one paint of the page at 100 %%: median %.2f ms\n", median(paints));
    return 0;
}
