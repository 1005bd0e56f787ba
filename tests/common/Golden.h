#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Small reference pictures in tests/goldens/NAME.png. A picture matches when
// no channel of any pixel differs by more than `tolerance` (font smoothing and
// rounding move edges a little), on all but `strayPixels` pixels.
// After a deliberate change of the look, rewrite them all with
//   LUMETRA_UPDATE_GOLDENS=1 ctest --test-dir build-test
// and look at each changed PNG before committing it.
inline QString goldenPath(const QString &name)
{
    return qEnvironmentVariable("LUMETRA_SOURCE_DIR") + QStringLiteral("/tests/goldens/") + name +
           QStringLiteral(".png");
}

// Empty when it matches; otherwise says how it differs, for the failure message.
inline QString goldenMismatch(const QImage &picture, const QString &name, int tolerance = 16,
                              int strayPixels = 0)
{
    const QImage actual = picture.convertToFormat(QImage::Format_ARGB32);
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIntValue("LUMETRA_UPDATE_GOLDENS")) {
        QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
        return actual.save(path, "PNG") ? QString() : QStringLiteral("cannot write ") + path;
    }
    const QImage expected(path);
    if (expected.isNull())
        return QStringLiteral("no golden picture ") + path;
    if (expected.size() != actual.size())
        return QStringLiteral("size %1x%2, golden %3x%4")
            .arg(actual.width()).arg(actual.height())
            .arg(expected.width()).arg(expected.height());
    const QImage golden = expected.convertToFormat(QImage::Format_ARGB32);
    int stray = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), g = golden.pixel(x, y);
            if (qAbs(qRed(a) - qRed(g)) > tolerance || qAbs(qGreen(a) - qGreen(g)) > tolerance ||
                qAbs(qBlue(a) - qBlue(g)) > tolerance || qAbs(qAlpha(a) - qAlpha(g)) > tolerance) {
                if (stray++ == 0)
                    first = QPoint(x, y);
            }
        }
    if (stray <= strayPixels)
        return {};
    return QStringLiteral("%1 pixels differ from %2, the first at (%3, %4)")
        .arg(stray).arg(path).arg(first.x()).arg(first.y());
}

#define LM_COMPARE_GOLDEN(picture, name, ...)                                                      \
    do {                                                                                           \
        const QString mismatch = goldenMismatch(picture, name, ##__VA_ARGS__);                    \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                                        \
    } while (false)
