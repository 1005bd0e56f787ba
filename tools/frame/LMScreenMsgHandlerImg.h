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
    // A picture keeps its proportions when pulled by a corner.
    bool keepsProportions(LMGraphFuncDashedLineRectangle *item) override;
    QWidget *createSettingWidget(QWidget *parent) override;

    // Places `image` in the frame, centred in the part of the page in view,
    // or over `place` when that is given and in view; scaled down to the
    // page when it is larger.
    void setImage(const QImage &image, const QRect &place = QRect());
    bool takePicture(const QImage &picture, const QRect &place = QRect()) override;

public Q_SLOTS:
    // The picture in `fileName`; an empty name changes nothing.
    void slot_loadImag(const QString &fileName);
    // The clipboard's picture, if it holds one; a part copied from this page
    // goes back where it came from while that place is in view.
    void slot_pasteImag();
    // A part of the screen the user picks, by way of the clipboard.
    void slot_captureImag();

private:
    LMGraphFuncImg *imageItem();

    QString m_fileName;   // the last file loaded
    QImage m_lastPicture; // its picture, which new frames repeat
};
