#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The frame-effect tool ("border"): shows the frame on the design, and the
// user drags the placed outline by its frame ring.
class LMScreenMsgHandlerBorder : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerBorder(LMToolEnvironment *view) : LMScreenMsgHandlerInf(view) {}

    void onMousePress(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseMove(const QPoint &widgetPos, const QPoint &docPos) override;
    void onActivate() override;
    void onDeactivate() override;
    QWidget *createSettingWidget(QWidget *parent) override;

private:
    bool onRing(const QPoint &docPos);
    void updateCursor();

    QPoint m_lastPos;
    bool m_dragging = false;
    bool m_hovering = false;
    int m_cursorIndex = 0; // arrow, open hand, closed hand
};
