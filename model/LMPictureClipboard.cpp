#include "model/LMPictureClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
QImage &lastCopy()
{
    static QImage fine;
    return fine;
}
QImage &lastCopyOnClipboard()
{
    static QImage standard;
    return standard;
}
} // namespace

namespace LMPictureClipboard {

void copy(const QImage &picture)
{
    if (picture.isNull())
        return;
    QImage standard = picture;
    if (picture.devicePixelRatio() != 1.0) {
        standard.setDevicePixelRatio(1.0);
        standard = standard.scaled(picture.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    }
    QGuiApplication::clipboard()->setImage(standard);
    lastCopy() = picture;
    lastCopyOnClipboard() = standard.convertToFormat(QImage::Format_ARGB32);
}

QImage picture()
{
    const QImage onClipboard = QGuiApplication::clipboard()->image();
    if (!onClipboard.isNull() && !lastCopy().isNull() &&
        onClipboard.convertToFormat(QImage::Format_ARGB32) == lastCopyOnClipboard())
        return lastCopy();
    return onClipboard;
}

} // namespace LMPictureClipboard
