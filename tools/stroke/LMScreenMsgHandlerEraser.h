#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

#include <QCursor>
#include <QImage>

class LMGraphFuncEraser;

// The eraser ("eraser"): paints the swept area white; each stroke is applied
// when the button is released.
class LMScreenMsgHandlerEraser : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerEraser(LMToolEnvironment *view);

    void onMousePress(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseMove(const QPoint &widgetPos, const QPoint &docPos) override;
    void onActivate() override;
    void onZoomChanged() override;
    void onDeactivate() override;
    QWidget *createSettingWidget(QWidget *parent) override;

    LMGraphFuncEraser *currentItem();
    int width() const { return m_width; }

    // The cursor picture: the eraser's square at the zoom, outlined; all
    // black when it is too small to show an outline.
    static QImage cursorImage(int width, double zoom);
    QCursor eraserCursor() const;

public Q_SLOTS:
    void slot_widthChanged(int width);

private:
    bool m_pressed = false;
    int m_width = 10; // document pixels
};
