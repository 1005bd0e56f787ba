#include "model/LMPictureClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
QImage &lastCopy()
{
    static QImage fine;
    return fine;
}
QRect &lastCopyFrom()
{
    static QRect place;
    return place;
}
QImage &lastCopyOnClipboard()
{
    static QImage standard;
    return standard;
}
} // namespace

namespace LMPictureClipboard {

void copy(const QImage &picture, const QRect &from)
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
    lastCopyFrom() = from;
    lastCopyOnClipboard() = standard.convertToFormat(QImage::Format_ARGB32);
}

QImage picture(QRect *from)
{
    if (from)
        *from = QRect();
    const QImage onClipboard = QGuiApplication::clipboard()->image();
    if (!onClipboard.isNull() && !lastCopy().isNull() &&
        onClipboard.convertToFormat(QImage::Format_ARGB32) == lastCopyOnClipboard()) {
        if (from)
            *from = lastCopyFrom();
        return lastCopy();
    }
    return onClipboard;
}

} // namespace LMPictureClipboard
