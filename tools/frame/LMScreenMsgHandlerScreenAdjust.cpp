#include "tools/frame/LMScreenMsgHandlerScreenAdjust.h"

#include "model/LMDesign.h"

#include "tools/frame/LMGraphFuncImg.h"
#include "tools/frame/LMScreenMsgHandlerScreenAdjustSetting.h"

LMScreenMsgHandlerScreenAdjust::LMScreenMsgHandlerScreenAdjust(LMToolEnvironment *view)
    : LMScreenMsgHandlerDashedLineRectangle(view, true)
{
    // A click beside the frame must not land the design half-fitted.
    setApplyOnOutsideClick(false);
}

LMGraphFuncImg *LMScreenMsgHandlerScreenAdjust::pageItem()
{
    return currentItemOf<LMGraphFuncImg>([this] {
        auto *item = new LMGraphFuncImg;
        item->width = m_width * view()->zoom();
        item->colour = m_colour;
        return item;
    });
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerScreenAdjust::currentItem()
{
    return pageItem();
}

void LMScreenMsgHandlerScreenAdjust::onActivate()
{
    LMScreenMsgHandlerDashedLineRectangle::onActivate();
    view()->setCursor(m_defaultCursor);
    LMGraphFuncImg *item = pageItem();
    slot_AdjustToPaper();
    // The page is lifted: it shows only through the frame until it lands.
    // The item whitens the page itself when it lands, so the lift and the
    // landing are one step of the history.
    const QRect page = view()->design().pageRect();
    item->image = view()->design().page();
    item->liftedFrom = page;
    item->keepPixels(page); // left unmoved, the page lands on its own pixels
    view()->update();
}

QWidget *LMScreenMsgHandlerScreenAdjust::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerScreenAdjustSetting(parent);
    connect(panel, &LMScreenMsgHandlerScreenAdjustSetting::signal_toFrame, this,
            &LMScreenMsgHandlerDashedLineRectangle::slot_AdjustToFrame);
    connect(panel, &LMScreenMsgHandlerScreenAdjustSetting::signal_toPaper, this,
            &LMScreenMsgHandlerDashedLineRectangle::slot_AdjustToPaper);
    return panel;
}
