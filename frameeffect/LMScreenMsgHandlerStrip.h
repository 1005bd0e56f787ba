#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The strip tool ("strip"): while it is current the canvas shows the
// strip-pattern sheet, for printing on self-adhesive paper.
class LMScreenMsgHandlerStrip : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerStrip(LMToolEnvironment *view) : LMScreenMsgHandlerInf(view) {}

    void onActivate() override { view()->setStripMode(true); }
    void onDeactivate() override { view()->setStripMode(false); }
    QWidget *createSettingWidget(QWidget *parent) override;
};
