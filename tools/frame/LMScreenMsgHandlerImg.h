#pragma once

#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

#include <QImage>

class LMGraphFuncImg;

// The image tool ("img"): a picture in a selection frame, moved, scaled and
// turned until it is applied.
class LMScreenMsgHandlerImg : public LMScreenMsgHandlerDashedLineRectangle {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerImg(LMToolEnvironment *view);

    LMGraphFuncDashedLineRectangle *currentItem() override;
    QWidget *createSettingWidget(QWidget *parent) override;

    // Places `image` in the frame: at the frame's corner when it fits the
    // page, otherwise scaled down to the page.
    void setImage(const QImage &image);
    bool takePicture(const QImage &picture) override;

public Q_SLOTS:
    // The picture in `fileName`; an empty name changes nothing.
    void slot_loadImag(const QString &fileName);
    // The clipboard's picture, if it holds one.
    void slot_pasteImag();
    // A part of the screen the user picks, by way of the clipboard.
    void slot_captureImag();

private:
    LMGraphFuncImg *imageItem();

    QString m_fileName;   // the last file loaded
    QImage m_lastPicture; // its picture, which new frames repeat
};
