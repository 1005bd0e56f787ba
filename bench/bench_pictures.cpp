// Measures the picture paths a user waits on:
//   capture   grabbing the screen until the picker has painted itself
//   load      reading a 24-megapixel photograph and placing it on an A4 page
//   repaint   the first repaint of the canvas with the picture live
//   commit    applying the placed picture into the page
// Run it under a 1920 x 1080 display for the capture figure:
//   xvfb-run -a -s "-screen 0 1920x1080x24" build-test/bench/bench_pictures
#include "../tests/common/MakeCanvas.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "capture/LMScreenshotDialog.h"
#include "common/Timing.h"
#include "model/LMFiles.h"
#include "model/LMPaperTable.h"
#include "tools/frame/LMScreenMsgHandlerImg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
// Soft gradients with grain: compresses and decodes like a photograph.
QImage photograph(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(0.6, QColor(230, 200, 150));
    sky.setColorAt(1, QColor(60, 90, 40));
    p.fillRect(image.rect(), sky);
    p.end();
    QRandomGenerator grain(24);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(grain.bounded(17)) - 8;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
    return image;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();

    QScreen *screen = QGuiApplication::primaryScreen();
    const double captureMs = medianMs(7, [screen] {
        LMScreenshotDialog dialog(screen->grabWindow(0));
        dialog.setGeometry(screen->geometry());
        dialog.show();
        dialog.repaint(); // painted before we stop the clock
    });
    std::printf("capture: grab to painted picker on %d x %d (%s): %.1f ms\n",
                screen->geometry().width(), screen->geometry().height(),
                qPrintable(QGuiApplication::platformName()), captureMs);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    if (!photograph(QSize(6000, 4000)).save(path, "JPEG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    const std::unique_ptr<LMGraphView> canvas(makeCanvas());
    LMGraphView &view = *canvas;
    const QSize page = LMPaperTable::pixelSize(LMPaperTable::lastRowWithId(0), false);
    view.resize(page + QSize(80, 80));
    view.setPage(page.width(), page.height(), 1.0);
    QImage target(view.size(), QImage::Format_ARGB32_Premultiplied);
    const int runs = 5;
    QVector<double> loads, repaints, commits;
    for (int i = 0; i < runs; ++i) {
        view.setHandlerByName(QStringLiteral("img"));
        auto *images = static_cast<LMScreenMsgHandlerImg *>(view.currentHandler());
        // As the panel does it: the file is checked, then loaded.
        loads << medianMs(1, [&] {
            if (LMFiles::openProblem(path) == 0)
                images->slot_loadImag(path);
        });
        repaints << medianMs(1, [&] { view.render(&target); });
        commits << medianMs(1, [&] { view.apply(); });
    }
    for (QVector<double> *v : {&loads, &repaints, &commits})
        std::sort(v->begin(), v->end());
    std::printf("check, load and place a 6000 x 4000 JPEG on A4 (%d x %d): %.1f ms\n", page.width(),
                page.height(), loads[runs / 2]);
    std::printf("first repaint with it live: %.1f ms\n", repaints[runs / 2]);
    std::printf("commit: %.1f ms\n", commits[runs / 2]);
    return 0;
}
