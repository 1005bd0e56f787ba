#pragma once

#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

class LMGraphFuncImg;

// The select tool ("clip"): a frame dragged over the page lifts what lies
// under it on release, to move or scale; Copy puts it on the clipboard at
// the frame's size, Clip cuts it. The page itself changes only when the
// frame is applied, as one undo step.
class LMScreenMsgHandlerClip : public LMScreenMsgHandlerDashedLineRectangle {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerClip(LMToolEnvironment *view);

    LMGraphFuncDashedLineRectangle *currentItem() override;
    // A lifted part is a picture: a corner keeps its proportions.
    bool keepsProportions(LMGraphFuncDashedLineRectangle *item) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    QWidget *createSettingWidget(QWidget *parent) override;

public Q_SLOTS:
    void slot_copy();
    void slot_clip();

private:
    LMGraphFuncImg *clipItem();
};
