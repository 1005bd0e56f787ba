#pragma once

#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

class LMGraphFuncShape;

// The shape tools: one handler class for every kind of figure, each drawn in
// a selection frame that can be moved, resized and turned until applied.
class LMScreenMsgHandlerShape : public LMScreenMsgHandlerDashedLineRectangle {
    Q_OBJECT
public:
    enum Kind {
        Rhombus = 0,
        Rectangle = 1,
        RoundRectangle = 2,
        Triangle = 3,
        RightTriangle = 4,
        Ellipse = 5
    };

    LMScreenMsgHandlerShape(LMToolEnvironment *view, int kind);
    int kind() const { return m_kind; }

    LMGraphFuncDashedLineRectangle *currentItem() override;
    void onKeyPress(int key, const QString &text) override;
    QWidget *createSettingWidget(QWidget *parent) override;

public Q_SLOTS:
    void slot_colorChanged(const QColor &colour);
    void slot_fillcolorChanged(const QColor &colour);
    void slot_widthChanged(int width);
    void slot_widthCheckboxChanged(int state);

private:
    LMGraphFuncShape *shapeItem();

    QColor m_fillColour = Qt::white;
    bool m_fill = false;
    int m_kind;
};
