#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The shape tools: one handler class for every kind of figure.
class LMScreenMsgHandlerShape : public LMScreenMsgHandlerInf {
public:
    enum Kind { Rhombus = 0, Rectangle = 1, RoundRectangle = 2, Triangle = 3, RightTriangle = 4, Ellipse = 5 };

    LMScreenMsgHandlerShape(LMGraphView *view, int kind) : LMScreenMsgHandlerInf(view), m_kind(kind) {}
    int kind() const { return m_kind; }

private:
    int m_kind;
};
