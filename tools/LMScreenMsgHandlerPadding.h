#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The margins tool ("padding"): while it is current the margin guide is
// drawn bold, and its panel edits the four margins.
class LMScreenMsgHandlerPadding : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerPadding(LMToolEnvironment *view) : LMScreenMsgHandlerInf(view) {}

    void onActivate() override { view()->setMarginToolActive(true); }
    void onDeactivate() override { view()->setMarginToolActive(false); }
    QWidget *createSettingWidget(QWidget *parent) override;
};
