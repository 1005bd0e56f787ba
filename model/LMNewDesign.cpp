#include "model/LMNewDesign.h"

#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QPainter>

#include <algorithm>

namespace LMNewDesign {

LMDocument blank(const QPainterPath &firstOutline)
{
    const int row = LMPaperTable::lastRowWithId(LMPaperTable::DefaultPageSizeId);
    LMDocument doc;
    doc.flags = LMViewFlags::atStart();
    doc.flags.setLandscape(true);
    doc.flags.setPaperId(LMPaperTable::DefaultPageSizeId);
    const QSize page = LMPaperTable::pixelSize(row, true);
    doc.page = LMPageDetail::whitePage(page, 1);
    // New designs are fine.
    if (const int k = LMPageDetail::forPage(page); k > 1)
        doc.finePage = LMPageDetail::whitePage(page, k);
    doc.outlineOffset = LMArtFrameFactory::centredOffset(firstOutline, doc.page.size());
    doc.frameColor = LMDocument::DefaultFrameColor;
    doc.sideColor = LMDocument::DefaultSideColor;
    const LMFrameTextSettings text;
    doc.fontDescription = text.font().toString();
    doc.frameText = text.text();
    doc.textColor = text.fillColor().rgba();
    // A new design's frame is the first metal, as in the window.
    doc.textureName = QStringLiteral("metal0");
    doc.texture = QImage(QStringLiteral(":/texture/metal0.jpg"));
    return doc;
}

LMDocument fromPicture(const QImage &picture, const QPainterPath &firstOutline)
{
    LMDocument doc = blank(firstOutline);
    const QSize page = doc.page.size();
    QSize size = picture.size();
    if (size.width() > page.width() || size.height() > page.height()) {
        const double s =
            std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
        size = QSize(qRound(size.width() * s), qRound(size.height() * s));
    }
    // The picture keeps what detail the page holds.
    const bool fine = !doc.finePage.isNull();
    QImage target = fine ? doc.finePage : doc.page;
    target.setDevicePixelRatio(double(target.width()) / page.width());
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    painter.end();
    if (fine) {
        doc.page = LMPageDetail::standardOf(target, page);
        doc.finePage = target;
        doc.finePage.setDevicePixelRatio(1.0);
    } else {
        doc.page = target;
    }
    doc.flags.setModified(true); // an import is a change nobody saved yet
    return doc;
}

} // namespace LMNewDesign
