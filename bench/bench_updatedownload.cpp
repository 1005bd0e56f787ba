// Measures the installer download through the update client over the loopback
// from a real FTP server (pyftpdlib): the time and rate for 50 MB, the
// longest the event loop went without turning meanwhile (what a window would
// feel), and how long cancel() takes to end a running transfer.
//   bench_updatedownload [megabytes]
#include "../tests/update/TestFtpServer.h"
#include "update/LMUpdater.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
// The longest gap between ticks of a 5 ms timer while `loop` runs.
struct LoopWatch {
    QTimer tick;
    QElapsedTimer since;
    qint64 longestNs = 0;
    LoopWatch()
    {
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [this] {
            longestNs = std::max(longestNs, since.nsecsElapsed());
            since.restart();
        });
        since.start();
        tick.start();
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qputenv("LUMETRA_SOURCE_DIR", LUMETRA_SOURCE_DIR);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    QTemporaryDir local;
    LMUpdateConfig config = LMUpdateConfig::fromDeployment();
    config.localFolder = local.filePath(QStringLiteral("lumetra/"));
    TestFtpServer ftp;
    if (!ftp.serve(config.installerName, QByteArray(megabytes * 1024 * 1024, 'L')))
        return 1;
    if (!ftp.start()) {
        std::fprintf(stderr, "the FTP server did not start\n");
        return 1;
    }
    config.address = LMUpdateAddress::parse(ftp.address());

    for (int run = 0; run < 3; ++run) {
        LMUpdater updater(config);
        QEventLoop loop;
        bool ok = false;
        QObject::connect(&updater, &LMUpdater::signal_installerReady, &loop, [&] {
            ok = true;
            loop.quit();
        });
        QObject::connect(&updater, &LMUpdater::signal_failed, &loop, &QEventLoop::quit);
        LoopWatch watch;
        QElapsedTimer timer;
        timer.start();
        updater.downloadInstaller();
        loop.exec();
        const double seconds = timer.nsecsElapsed() / 1e9;
        std::printf("download %d MB: %s in %.2f s (%.0f MB/s), longest event-loop gap %.1f ms\n",
                    megabytes, ok ? "complete" : "FAILED", seconds, megabytes / seconds,
                    watch.longestNs / 1e6);
        QFile::remove(config.localFolder + config.installerName);
    }

    // Cancel halfway: how long until nothing runs any more.
    LMUpdater updater(config);
    QEventLoop loop;
    QObject::connect(&updater, &LMUpdater::signal_progress, &loop, [&](qint64 received) {
        if (received > qint64(megabytes) * 512 * 1024)
            loop.quit();
    });
    updater.downloadInstaller();
    loop.exec();
    QElapsedTimer timer;
    timer.start();
    updater.cancel();
    std::printf("cancel halfway: ended in %.3f ms, still running: %s\n", timer.nsecsElapsed() / 1e6,
                updater.isRunning() ? "yes" : "no");
    return 0;
}
