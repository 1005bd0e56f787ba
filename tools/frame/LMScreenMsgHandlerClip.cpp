#include "tools/frame/LMScreenMsgHandlerClip.h"

#include "model/LMDesign.h"
#include "model/LMPictureClipboard.h"

#include "tools/LMPoint.h"
#include "tools/frame/LMGraphFuncImg.h"
#include "tools/frame/LMScreenMsgHandlerClipSetting.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

LMScreenMsgHandlerClip::LMScreenMsgHandlerClip(LMToolEnvironment *view)
    : LMScreenMsgHandlerDashedLineRectangle(view, false)
{
}

LMGraphFuncImg *LMScreenMsgHandlerClip::clipItem()
{
    return currentItemOf<LMGraphFuncImg>([this] {
        auto *item = new LMGraphFuncImg;
        item->width = m_width * view()->zoom();
        item->colour = m_colour;
        return item;
    });
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerClip::currentItem()
{
    return clipItem();
}

bool LMScreenMsgHandlerClip::keepsProportions(LMGraphFuncDashedLineRectangle *item)
{
    return !static_cast<LMGraphFuncImg *>(item)->image.isNull();
}

void LMScreenMsgHandlerClip::onMouseRelease(const QPoint &widgetPos, const QPoint &docPos)
{
    LMScreenMsgHandlerDashedLineRectangle::onMouseRelease(widgetPos, docPos);
    LMGraphFuncImg *item = clipItem();
    if (!item->image.isNull() || item->liftedFrom.isValid() || !item->hasHandles())
        return; // lifted already: the frame only moves or scales it
    item->clampInto(view()->transform(Matrix::DocToWidget).mapRect(view()->design().pageRect()));
    const std::optional<QPoint> tl = item->handlePos(LMPoint::TopLeft),
                                br = item->handlePos(LMPoint::BottomRight);
    if (!tl || !br || *tl == *br)
        return;
    const QTransform toPage = item->GetMatrix(LMGraphFuncDashedLineRectangle::FrameToWidget) *
                              view()->transform(Matrix::WidgetToDoc);
    const QRect area = toPage.mapRect(QRect(*tl, *br)).intersected(view()->design().pageRect());
    if (area.isEmpty())
        return;
    item->image = view()->design().pagePart(area);
    item->liftedFrom = area;
    item->keepPixels(area); // put back unmoved, it lands on the same pixels
    view()->update();
}

void LMScreenMsgHandlerClip::slot_copy()
{
    LMGraphFuncImg *item = clipItem();
    const std::optional<QPoint> tl = item->handlePos(LMPoint::TopLeft),
                                br = item->handlePos(LMPoint::BottomRight);
    if (!item->image.isNull() && tl && br && *tl != *br) {
        // At the frame's size now, not the size it was lifted at.
        const QSize frame = QRect(*tl, *br).size() / view()->zoom();
        const qreal k = item->image.devicePixelRatio();
        QImage copied = item->image;
        copied.setDevicePixelRatio(1.0);
        copied = copied.scaled(frame * k, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        copied.setDevicePixelRatio(k);
        // Where the frame stands now, so a paste puts it back there.
        const QTransform toPage = item->GetMatrix(LMGraphFuncDashedLineRectangle::FrameToWidget) *
                                  view()->transform(Matrix::WidgetToDoc);
        LMPictureClipboard::copy(copied, toPage.mapRect(QRect(*tl, *br)));
    }
    view()->update();
}

void LMScreenMsgHandlerClip::slot_clip()
{
    LMGraphFuncImg *item = clipItem();
    if (!item->image.isNull()) {
        slot_copy();
        item->image = QImage(); // its place stays white
    }
    view()->update();
    view()->apply();
}

QWidget *LMScreenMsgHandlerClip::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerClipSetting(parent);
    connect(panel, &LMScreenMsgHandlerClipSetting::signal_copy, this,
            &LMScreenMsgHandlerClip::slot_copy);
    connect(panel, &LMScreenMsgHandlerClipSetting::signal_clip, this,
            &LMScreenMsgHandlerClip::slot_clip);
    return panel;
}
