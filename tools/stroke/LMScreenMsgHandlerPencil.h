#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

#include <QColor>

class LMGraphFuncPencil;

// The pencil tool ("pencil"): each stroke is applied when the button is released.
class LMScreenMsgHandlerPencil : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerPencil(LMToolEnvironment *view);

    void onMousePress(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseMove(const QPoint &widgetPos, const QPoint &docPos) override;
    void onActivate() override;
    void onDeactivate() override;
    QWidget *createSettingWidget(QWidget *parent) override;

    LMGraphFuncPencil *currentItem();

public Q_SLOTS:
    void slot_colorChanged(const QColor &colour);
    void slot_widthChanged(int width);

private:
    bool m_pressed = false;
    int m_width = 3;
    QColor m_colour = Qt::blue;
};
