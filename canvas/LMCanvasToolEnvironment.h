#pragma once

#include "tools/LMToolEnvironment.h"

class LMGraphView;

// The canvas as its tools see it.
class LMCanvasToolEnvironment : public LMToolEnvironment {
public:
    explicit LMCanvasToolEnvironment(LMGraphView *canvas) : m_canvas(canvas) {}

    LMDesign &design() override;
    QWidget *widget() override;
    void update() override;
    void setCursor(const QCursor &cursor) override;
    Qt::KeyboardModifiers keyModifiers() const override;
    void addLiveItem(LMGraphFuncInf *item) override;
    LMGraphFuncInf *lastLiveItem() const override;
    bool apply() override;
    double zoom() const override;
    const QTransform &transform(Matrix::Id matrix) override;
    QRect visiblePagePart() override;
    void setReadout(const QString &text, const QPoint &widgetPos) override;
    void setOutlineEditing(bool on) override;
    void setFrameToolActive(bool on) override;
    void setMarginToolActive(bool on) override;
    void setStripMode(bool on) override;

private:
    LMGraphView *m_canvas;
};
