#pragma once

#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

#include <QImage>

class LMGraphFuncImg;

// The image tool ("img"): a picture in a selection frame, moved, scaled and
// turned until it is applied.
class LMScreenMsgHandlerImg : public LMScreenMsgHandlerDashedLineRectangle {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerImg(LMToolCanvas *view);

    LMGraphFuncDashedLineRectangle *currentItem() override;
    // The panel (load, paste, capture) is not offered yet.
    QWidget *createSettingWidget(QWidget *parent) override;

    // Places `image` in the frame: at the frame's corner when it fits the
    // page, otherwise scaled down to the page.
    void setImage(const QImage &image);

private:
    LMGraphFuncImg *imageItem();

    QString m_fileName; // the last file loaded; new frames repeat it
};
