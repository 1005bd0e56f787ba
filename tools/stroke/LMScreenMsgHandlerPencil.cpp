#include "tools/stroke/LMScreenMsgHandlerPencil.h"

#include "tools/stroke/LMGraphFuncPencil.h"
#include "tools/stroke/LMScreenMsgHandlerLineSetting.h"

LMScreenMsgHandlerPencil::LMScreenMsgHandlerPencil(LMToolEnvironment *view)
    : LMScreenMsgHandlerInf(view)
{
}

LMGraphFuncPencil *LMScreenMsgHandlerPencil::currentItem()
{
    return currentItemOf<LMGraphFuncPencil>([this] {
        auto *stroke = new LMGraphFuncPencil;
        stroke->width = m_width * view()->zoom();
        stroke->colour = m_colour;
        return stroke;
    });
}

void LMScreenMsgHandlerPencil::onActivate()
{
    m_pressed = false;
    view()->setCursor(Qt::CrossCursor);
}

void LMScreenMsgHandlerPencil::onDeactivate()
{
    m_pressed = false;
    view()->apply();
    view()->update();
}

void LMScreenMsgHandlerPencil::onMousePress(const QPoint &pos, const QPoint &)
{
    m_pressed = true;
    currentItem()->path.moveTo(pos);
}

void LMScreenMsgHandlerPencil::onMouseMove(const QPoint &pos, const QPoint &)
{
    if (!m_pressed)
        return;
    currentItem()->path.lineTo(pos);
    view()->update();
}

void LMScreenMsgHandlerPencil::onMouseRelease(const QPoint &, const QPoint &)
{
    // Every stroke is one step of the history.
    m_pressed = false;
    view()->apply();
    view()->update();
}

QWidget *LMScreenMsgHandlerPencil::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerLineSetting(parent);
    connect(panel, &LMScreenMsgHandlerLineSetting::signal_colorChanged, this,
            &LMScreenMsgHandlerPencil::slot_colorChanged);
    connect(panel, &LMScreenMsgHandlerLineSetting::signal_widthChanged, this,
            &LMScreenMsgHandlerPencil::slot_widthChanged);
    panel->init(m_colour, m_width);
    return panel;
}

void LMScreenMsgHandlerPencil::slot_widthChanged(int width)
{
    m_width = width;
    currentItem()->width = width * view()->zoom();
}

void LMScreenMsgHandlerPencil::slot_colorChanged(const QColor &colour)
{
    m_colour = colour;
    currentItem()->colour = colour;
}
