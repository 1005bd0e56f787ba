#pragma once

#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

class LMGraphFuncImg;

// The fitting tool ("screenadj"): lifts the whole page into a selection
// frame, to move, scale or turn the complete design, or fit it to the paper
// or to the pouch outline's box. Leaving the tool lands it, as one undo step.
class LMScreenMsgHandlerScreenAdjust : public LMScreenMsgHandlerDashedLineRectangle {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerScreenAdjust(LMToolEnvironment *view);

    LMGraphFuncDashedLineRectangle *currentItem() override;
    void onActivate() override;
    QWidget *createSettingWidget(QWidget *parent) override;

private:
    LMGraphFuncImg *pageItem();
};
