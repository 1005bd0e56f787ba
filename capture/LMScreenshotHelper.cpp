#include "capture/LMScreenshotHelper.h"

#include "base/LMLogging.h"
#include "capture/LMScreenshotDialog.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

bool LMScreenshotHelper::capture(QPixmap &out)
{
    // With several screens the picker covers the one the user is looking at,
    // and the grab is of that screen alone.
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    return capture(out, screen->grabWindow(0), screen);
}

bool LMScreenshotHelper::capture(QPixmap &out, const QPixmap &grabbed, QScreen *screen)
{
    if (grabbed.isNull())
        return false;
    LMScreenshotDialog dialog(grabbed);
    if (screen)
        dialog.setGeometry(screen->geometry());
    // Full screen from its first showing, which exec makes modal.
    dialog.setWindowState(Qt::WindowFullScreen);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QGuiApplication::clipboard()->setPixmap(dialog.result(), QClipboard::Clipboard);
    out = dialog.result();
    qCDebug(lcCapture) << "dialog accepted";
    return true;
}
