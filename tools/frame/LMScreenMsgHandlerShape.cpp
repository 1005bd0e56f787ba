#include "tools/frame/LMScreenMsgHandlerShape.h"

#include "tools/frame/LMGraphFuncEllipse.h"
#include "tools/frame/LMGraphFuncRectangle.h"
#include "tools/frame/LMGraphFuncRhombus.h"
#include "tools/frame/LMGraphFuncRightTriangle.h"
#include "tools/frame/LMGraphFuncRoundRectangle.h"
#include "tools/frame/LMGraphFuncTriangle.h"
#include "tools/frame/LMScreenMsgHandlerShapeSetting.h"

namespace {
LMGraphFuncShape *newShape(int kind)
{
    switch (kind) {
    case LMScreenMsgHandlerShape::Rhombus:
        return new LMGraphFuncRhombus;
    case LMScreenMsgHandlerShape::Rectangle:
        return new LMGraphFuncRectangle;
    case LMScreenMsgHandlerShape::RoundRectangle:
        return new LMGraphFuncRoundRectangle;
    case LMScreenMsgHandlerShape::Triangle:
        return new LMGraphFuncTriangle;
    case LMScreenMsgHandlerShape::RightTriangle:
        return new LMGraphFuncRightTriangle;
    case LMScreenMsgHandlerShape::Ellipse:
        return new LMGraphFuncEllipse;
    }
    return new LMGraphFuncShape;
}
} // namespace

LMScreenMsgHandlerShape::LMScreenMsgHandlerShape(LMToolEnvironment *view, int kind)
    : LMScreenMsgHandlerDashedLineRectangle(view, true), m_kind(kind)
{
}

LMGraphFuncShape *LMScreenMsgHandlerShape::shapeItem()
{
    return currentItemOf<LMGraphFuncShape>([this] {
        LMGraphFuncShape *shape = newShape(m_kind);
        shape->fillColour = m_fillColour;
        shape->filled = m_fill;
        shape->colour = m_colour;
        shape->width = m_width * view()->zoom(); // the panel's width in page pixels
        return shape;
    });
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerShape::currentItem()
{
    return shapeItem();
}

void LMScreenMsgHandlerShape::onKeyPress(int key, const QString &text)
{
    if (key != Qt::Key_Backspace && key != Qt::Key_Delete) {
        LMScreenMsgHandlerDashedLineRectangle::onKeyPress(key, text);
        return;
    }
    // A collapsed shape draws nothing: it goes without a step.
    LMGraphFuncDashedLineRectangle *item = itemForPress(QPoint(0, 0));
    setFrameSize(QPoint(0, 0), item);
    view()->apply();
    view()->update();
}

QWidget *LMScreenMsgHandlerShape::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerShapeSetting(parent);
    connect(panel, &LMScreenMsgHandlerShapeSetting::signal_colorChanged, this,
            &LMScreenMsgHandlerShape::slot_colorChanged);
    connect(panel, &LMScreenMsgHandlerShapeSetting::signal_fillcolorChanged, this,
            &LMScreenMsgHandlerShape::slot_fillcolorChanged);
    connect(panel, &LMScreenMsgHandlerShapeSetting::signal_widthChanged, this,
            &LMScreenMsgHandlerShape::slot_widthChanged);
    connect(panel, &LMScreenMsgHandlerShapeSetting::signal_widthCheckboxChanged, this,
            &LMScreenMsgHandlerShape::slot_widthCheckboxChanged);
    panel->init(m_colour, m_fillColour, m_width, m_fill);
    return panel;
}

void LMScreenMsgHandlerShape::slot_colorChanged(const QColor &colour)
{
    m_colour = colour;
    shapeItem()->colour = colour;
    view()->update();
}

void LMScreenMsgHandlerShape::slot_fillcolorChanged(const QColor &colour)
{
    m_fillColour = colour;
    shapeItem()->fillColour = colour;
    view()->update();
}

void LMScreenMsgHandlerShape::slot_widthChanged(int width)
{
    m_width = width;
    shapeItem()->width = width * view()->zoom();
    view()->update();
}

void LMScreenMsgHandlerShape::slot_widthCheckboxChanged(int state)
{
    m_fill = state == Qt::Checked;
    shapeItem()->filled = m_fill;
    view()->update();
}
