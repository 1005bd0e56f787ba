#include "tools/frame/LMScreenMsgHandlerImg.h"

#include "tools/frame/LMGraphFuncImg.h"
#include "tools/frame/LMScreenMsgHandlerImgSetting.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>

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

QWidget *LMScreenMsgHandlerImg::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerImgSetting(parent);
    connect(panel, &LMScreenMsgHandlerImgSetting::signal_loadImag, this,
            &LMScreenMsgHandlerImg::slot_loadImag);
    connect(panel, &LMScreenMsgHandlerImgSetting::signal_pasteImag, this,
            &LMScreenMsgHandlerImg::slot_pasteImag);
    return panel;
}

void LMScreenMsgHandlerImg::slot_loadImag(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return;
    m_fileName = fileName;
    setImage(picture);
}

void LMScreenMsgHandlerImg::slot_pasteImag()
{
    setImage(QGuiApplication::clipboard()->image());
}

void LMScreenMsgHandlerImg::setImage(const QImage &image)
{
    if (image.isNull())
        return;
    auto *item = static_cast<LMGraphFuncImg *>(itemForPress(QPoint(0, 0)));
    item->image = image;
    item->keepPixels(placeBlock(image.width(), image.height(), item));
    view()->widget()->setFocus(Qt::OtherFocusReason);
    view()->update();
}
