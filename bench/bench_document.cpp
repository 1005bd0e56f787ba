// Measures saving and loading a design whose page is a photograph-like picture,
// on a Letter and an A0 page, against plain PNG saving and loading of the page.
//   bench_document [runs]
#include "../tests/common/MakeCanvas.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "common/PhotoLike.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {
double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void measure(const char *name, int paperRow, bool landscape, int runs)
{
    const std::unique_ptr<LMGraphView> canvas(makeCanvas());
    LMGraphView &view = *canvas;
    const QSize size = LMPaperTable::pixelSize(paperRow, landscape);
    view.setPage(size.width(), size.height(), 1.0);
    LMArtFrameFactory catalogue;
    const QImage photo = photoLike(size);
    view.design().paintPage([&photo](QPainter &painter) {
        painter.drawImage(0, 0, photo);
        return true;
    });
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("design.lmx"));
    const QString plain = dir.filePath(QStringLiteral("page.png"));

    QVector<double> save, load, pngSave, pngLoad;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        view.save(design);
        save << timer.nsecsElapsed() / 1e6;
        timer.restart();
        view.load(design);
        load << timer.nsecsElapsed() / 1e6;
        timer.restart();
        view.rasterImage().save(plain, "PNG");
        pngSave << timer.nsecsElapsed() / 1e6;
        timer.restart();
        QImage back(plain);
        pngLoad << timer.nsecsElapsed() / 1e6;
    }
    std::printf(
        "%-7s %4d x %4d: save %7.1f ms, load %7.1f ms | plain PNG save %7.1f ms, load %7.1f ms | "
        "file %.1f MB, PNG %.1f MB\n",
        name, size.width(), size.height(), median(save), median(load), median(pngSave),
        median(pngLoad), QFileInfo(design).size() / 1e6, QFileInfo(plain).size() / 1e6);
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    measure("Letter", 0, true, runs);
    measure("A0", 3, false, runs);
    return 0;
}
