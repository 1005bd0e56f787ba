#pragma once

#include <QObject>
#include <QPixmap>

class QScreen;

// Lets the user pick a part of the screen. On success the picture is in `out`
// and on the clipboard, where the image tool's paste finds it.
class LMScreenshotHelper : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Grabs the screen the pointer is on and runs the picker over it.
    bool capture(QPixmap &out);
    // The picker over a picture of `screen` the caller took.
    bool capture(QPixmap &out, const QPixmap &grabbed, QScreen *screen);
};
