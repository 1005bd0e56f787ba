#include "app/LMCommandLine.h"
#include "app/LMFirstShow.h"
#include "app/LMMainWidget.h"
#include "app/LMResources.h"
#include "base/LMLogging.h"

#include <QApplication>

#include <cstdio>

namespace {
// Without a display Qt aborts in its platform plugin; say what to do instead.
bool hasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// A conversion prints only its own result: diagnostics stay out of the way.
void quietDiagnostics(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace LMCommandLine;
    QString undecodable;
    QStringList arguments = decodeArguments(argc, argv, &undecodable);
    const Request request = parse(arguments);
    // A name that does not survive decoding would read or write another file.
    if (!undecodable.isEmpty() &&
        (request.mode == Mode::Export || request.mode == Mode::Thumbnail)) {
        std::fprintf(stderr, "lumetra: %s\n", qPrintable(undecodableMessage(undecodable)));
        return 1;
    }
    switch (request.mode) {
    case Mode::Help:
        std::printf("%s", qPrintable(usage()));
        return 0;
    case Mode::Version:
        std::printf("Lumetra %s\n", LUMETRA_VERSION);
        return 0;
    case Mode::Mistake:
        std::fprintf(stderr, "lumetra: %s\n\n%s", qPrintable(request.mistake), qPrintable(usage()));
        return 2;
    case Mode::Export: {
        // No display needed: the page is drawn off screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietDiagnostics);
        QApplication app(argc, argv);
        lmInitResources();
        return runExport(request);
    }
    case Mode::Thumbnail: {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietDiagnostics);
        QApplication app(argc, argv);
        lmInitResources();
        return runThumbnail(request.in, request.out, request.size);
    }
    case Mode::CheckUpdate: {
        // Only the network and the settings file: no display, no windows.
        // Diagnostics stay as they are, so lumetra.update's trace can be switched on.
        QCoreApplication app(argc, argv);
        return runCheckUpdate();
    }
    case Mode::Window:
        break;
    }

    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "Lumetra needs a desktop session, and none was found (DISPLAY is not set).\n"
                     "Start it from a desktop, or under a virtual display:\n"
                     "    xvfb-run -a ./run.sh\n");
        return 2;
    }
    qCDebug(lcApp) << "main";
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumetra"));
    QApplication::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
    // One look on every desktop; the window's palette and style sheet do the rest.
    QApplication::setStyle(QStringLiteral("Fusion"));
    lmInitResources();

    // The window opens the last argument; an undecodable one is told instead.
    if (!undecodable.isEmpty())
        arguments = arguments.mid(0, 1);
    LMMainWidget window;
    lmShowFirstWindow(window);
    if (!undecodable.isEmpty())
        LMMainWidget::warn(59, undecodableMessage(undecodable));
    window.begin(arguments);
    return app.exec();
}
