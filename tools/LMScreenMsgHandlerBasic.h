#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The hand tool ("basic"): dragging moves the view of the page.
class LMScreenMsgHandlerBasic : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerBasic(LMToolEnvironment *view);

    void onActivate() override;
    void onDeactivate() override;

protected:
    // Watches the canvas's mouse events without taking them, so a right click
    // still opens the canvas's menu.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_pressed = false;
    QPoint m_last; // global screen position
};
