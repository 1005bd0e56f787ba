#pragma once

#include "tools/text/LMScreenMsgHandlerText.h"

// The arc text tool ("textalongarc"): lettering spaced along an arc drawn
// in the field, optionally turned to follow it.
class LMScreenMsgHandlerTextAlongArc : public LMScreenMsgHandlerText {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerTextAlongArc(LMToolEnvironment *view);

    QWidget *createSettingWidget(QWidget *parent) override;
    bool rotate() const { return m_rotate; }

public Q_SLOTS:
    void slot_RotateTextChanged(bool rotate);

protected:
    LMGraphFuncText *newItem() const override;

private:
    bool m_rotate = true;
};
