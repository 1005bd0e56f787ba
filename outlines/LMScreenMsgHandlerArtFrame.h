#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The outline tool ("ls"): the outline shows shaded, and dragging inside it
// moves it over the page.
class LMScreenMsgHandlerArtFrame : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerArtFrame(LMToolEnvironment *view);

    void onMousePress(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseMove(const QPoint &widgetPos, const QPoint &docPos) override;
    void onActivate() override;
    void onDeactivate() override;
    QWidget *createSettingWidget(QWidget *parent) override;

    bool isDragging() const { return m_dragging; }

public Q_SLOTS:
    void slot_rotationChanged(int degrees);

private:
    bool containsDocPoint(const QPoint &docPos);
    void updateCursor();

    bool m_dragging = false;
    bool m_hovering = false;
    int m_cursorIndex = 0; // 0 arrow, 1 open hand, 2 closed hand
    QPoint m_lastPos;
};
