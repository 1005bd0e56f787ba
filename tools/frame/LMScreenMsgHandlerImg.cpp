#include "tools/frame/LMScreenMsgHandlerImg.h"

#include "capture/LMScreenshotHelper.h"
#include "model/LMFiles.h"
#include "model/LMPictureClipboard.h"
#include "tools/frame/LMGraphFuncImg.h"
#include "tools/frame/LMScreenMsgHandlerImgSetting.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QWidget>

LMScreenMsgHandlerImg::LMScreenMsgHandlerImg(LMToolEnvironment *view)
    : LMScreenMsgHandlerDashedLineRectangle(view, true)
{
}

LMGraphFuncImg *LMScreenMsgHandlerImg::imageItem()
{
    return currentItemOf<LMGraphFuncImg>([this] {
        auto *item = new LMGraphFuncImg;
        item->width = m_width * view()->zoom();
        item->colour = m_colour;
        item->image = m_lastPicture;
        return item;
    });
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerImg::currentItem()
{
    return imageItem();
}

bool LMScreenMsgHandlerImg::keepsProportions(LMGraphFuncDashedLineRectangle *item)
{
    return !static_cast<LMGraphFuncImg *>(item)->image.isNull();
}

QWidget *LMScreenMsgHandlerImg::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerImgSetting(parent);
    connect(panel, &LMScreenMsgHandlerImgSetting::signal_loadImag, this,
            &LMScreenMsgHandlerImg::slot_loadImag);
    connect(panel, &LMScreenMsgHandlerImgSetting::signal_pasteImag, this,
            &LMScreenMsgHandlerImg::slot_pasteImag);
    connect(panel, &LMScreenMsgHandlerImgSetting::signal_captureImag, this,
            &LMScreenMsgHandlerImg::slot_captureImag);
    return panel;
}

void LMScreenMsgHandlerImg::slot_loadImag(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    const QImage picture = LMFiles::readPicture(fileName).image;
    if (picture.isNull())
        return;
    m_fileName = fileName;
    m_lastPicture = picture;
    setImage(picture);
}

void LMScreenMsgHandlerImg::slot_captureImag()
{
    LMScreenshotHelper helper;
    QPixmap captured;
    // The capture leaves its picture on the clipboard, where paste finds it.
    if (helper.capture(captured))
        slot_pasteImag();
}

void LMScreenMsgHandlerImg::slot_pasteImag()
{
    QRect from;
    const QImage picture = LMPictureClipboard::picture(&from);
    setImage(picture, from);
}

bool LMScreenMsgHandlerImg::takePicture(const QImage &picture, const QRect &place)
{
    setImage(picture, place);
    return !picture.isNull();
}

void LMScreenMsgHandlerImg::setImage(const QImage &image, const QRect &place)
{
    if (image.isNull())
        return;
    auto *item = static_cast<LMGraphFuncImg *>(itemForPress(QPoint(0, 0)));
    item->image = image;
    // A picture with a detail of its own covers its size in document pixels.
    const QSize size = image.deviceIndependentSize().toSize();
    // Where the user looks: its own place when that is in view, else the
    // middle of what is in view.
    const QRect seen = view()->visiblePagePart();
    const QPoint centre = place.isValid() && seen.contains(place.center()) ? place.center()
                                                                            : seen.center();
    item->keepPixels(placeBlock(size.width(), size.height(), item, centre));
    view()->widget()->setFocus(Qt::OtherFocusReason);
    view()->update();
}
