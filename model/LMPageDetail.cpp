#include "model/LMPageDetail.h"

namespace LMPageDetail {

namespace {
qint64 finePixels(const QSize &page, int k)
{
    return qint64(page.width()) * k * qint64(page.height()) * k;
}
} // namespace

int forPage(const QSize &page)
{
    for (int k = Finest; k > 1; k /= 2) {
        if (finePixels(page, k) < MaxFinePixels)
            return k;
    }
    return 1;
}

bool isFineOf(const QSize &fine, const QSize &page, int k)
{
    return k >= 2 && k <= Finest && !page.isEmpty() && fine == page * k &&
           finePixels(page, k) < MaxFinePixels;
}

QImage standardOf(const QImage &fine, const QSize &page)
{
    QImage physical = fine;
    physical.setDevicePixelRatio(1.0);
    return physical.scaled(page, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage whitePage(const QSize &page, int k)
{
    QImage white(page * k, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}

} // namespace LMPageDetail
