#include "tools/frame/LMScreenMsgHandlerImg.h"

#include "tools/frame/LMGraphFuncImg.h"

#include <QWidget>

LMScreenMsgHandlerImg::LMScreenMsgHandlerImg(LMToolCanvas *view)
    : LMScreenMsgHandlerDashedLineRectangle(view, true)
{
}

LMGraphFuncImg *LMScreenMsgHandlerImg::imageItem()
{
    return currentItemOf<LMGraphFuncImg>([this] {
        auto *item = new LMGraphFuncImg;
        item->width = m_width * view()->zoom();
        item->colour = m_colour;
        if (!m_fileName.isEmpty())
            item->image.load(m_fileName);
        return item;
    });
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerImg::currentItem()
{
    return imageItem();
}

QWidget *LMScreenMsgHandlerImg::createSettingWidget(QWidget *)
{
    return nullptr;
}

void LMScreenMsgHandlerImg::setImage(const QImage &image)
{
    if (image.isNull())
        return;
    auto *item = static_cast<LMGraphFuncImg *>(itemForPress(QPoint(0, 0)));
    item->image = image;
    placeBlock(image.width(), image.height(), item);
    view()->widget()->setFocus(Qt::OtherFocusReason);
    view()->update();
}
