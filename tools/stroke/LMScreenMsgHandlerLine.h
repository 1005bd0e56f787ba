#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

#include <QColor>

class LMGraphFuncLine;

// The line tool ("line"): a straight line whose ends can be dragged and which
// can be moved whole until it is applied.
class LMScreenMsgHandlerLine : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    static constexpr double NearDistance = 3.0;

    explicit LMScreenMsgHandlerLine(LMToolEnvironment *view);

    void onMousePress(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseMove(const QPoint &widgetPos, const QPoint &docPos) override;
    void onActivate() override;
    void onDeactivate() override;
    void onKeyPress(int key, const QString &text) override;
    QWidget *createSettingWidget(QWidget *parent) override;

    LMGraphFuncLine *currentItem();
    LMGraphFuncLine *ensureEndpoints(const QPoint &pos);
    // Whether `pos` lies on the live line (within 3 whole pixels).
    bool nearLine(const QPoint &pos);

    int width() const { return m_width; }
    QColor colour() const { return m_colour; }

public Q_SLOTS:
    void slot_colorChanged(const QColor &colour);
    void slot_widthChanged(int width);

private:
    bool m_pressed = false;
    int m_width = 3;
    QColor m_colour = Qt::black;
    QPoint m_last;
    bool m_moveWhole = false;
};
