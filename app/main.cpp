#include "app/LMMainWidget.h"
#include "app/LMResources.h"

#include <QApplication>
#include <QDebug>

#include <cstdio>
#include <cstdlib>

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
} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "Lumetra needs a desktop session, and none was found (DISPLAY is not set).\n"
                     "Start it from a desktop, or under a virtual display:\n"
                     "    xvfb-run -a ./run.sh\n");
        return 2;
    }
    qDebug() << "main";
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumetra"));
    QApplication::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
    // One look on every desktop; the window's palette and style sheet do the rest.
    QApplication::setStyle(QStringLiteral("Fusion"));
    lmInitResources();

    LMMainWidget window(QApplication::arguments());
    window.show();
    return app.exec();
}
