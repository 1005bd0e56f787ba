#include "tools/stroke/LMScreenMsgHandlerLine.h"

#include "tools/LMPoint.h"
#include "tools/LMToolGeometry.h"
#include "tools/stroke/LMGraphFuncLine.h"
#include "tools/stroke/LMScreenMsgHandlerLineSetting.h"

LMScreenMsgHandlerLine::LMScreenMsgHandlerLine(LMToolEnvironment *view)
    : LMScreenMsgHandlerInf(view)
{
}

LMGraphFuncLine *LMScreenMsgHandlerLine::currentItem()
{
    return currentItemOf<LMGraphFuncLine>([this] {
        auto *line = new LMGraphFuncLine;
        line->width = m_width * view()->zoom();
        line->colour = m_colour;
        return line;
    });
}

LMGraphFuncLine *LMScreenMsgHandlerLine::ensureEndpoints(const QPoint &pos)
{
    LMGraphFuncLine *line = currentItem();
    if (line->points.isEmpty()) {
        line->points << new LMPoint(pos, LMPoint::LineStart) << new LMPoint(pos, LMPoint::LineEnd);
        line->grabbed = line->points[1];
    }
    return line;
}

bool LMScreenMsgHandlerLine::nearLine(const QPoint &pos)
{
    LMGraphFuncLine *line = currentItem();
    if (line->points.size() != 2)
        return false;
    const double d =
        LMToolGeometry::segmentDistance(line->points[0]->pos(), line->points[1]->pos(), pos);
    return NearDistance - d > 0.0001;
}

void LMScreenMsgHandlerLine::onActivate()
{
    m_pressed = false;
    view()->setCursor(Qt::CrossCursor);
}

void LMScreenMsgHandlerLine::onDeactivate()
{
    m_pressed = false;
    view()->apply();
    view()->update();
}

void LMScreenMsgHandlerLine::onMousePress(const QPoint &pos, const QPoint &)
{
    m_last = pos;
    m_pressed = true;
    LMGraphFuncLine *line = ensureEndpoints(pos);
    for (LMPoint *end : std::as_const(line->points)) {
        if (end->hitTest(pos)) {
            line->grabbed = end;
            m_moveWhole = false;
            view()->update();
            return;
        }
    }
    if (nearLine(pos)) {
        line->grabbed = nullptr;
        m_moveWhole = true;
    } else {
        // A press away from the line finishes it; the next one starts right
        // here, where the button went down.
        m_moveWhole = false;
        view()->apply();
        ensureEndpoints(pos);
    }
    view()->update();
}

void LMScreenMsgHandlerLine::onMouseMove(const QPoint &pos, const QPoint &)
{
    const QPoint delta = pos - m_last;
    m_last = pos;
    if (m_pressed) {
        LMGraphFuncLine *line = ensureEndpoints(pos);
        if (line->grabbed) {
            line->grabbed->moveBy(delta);
        } else if (m_moveWhole) {
            for (LMPoint *end : std::as_const(line->points))
                end->moveBy(delta);
        }
        view()->update();
        return;
    }
    LMGraphFuncLine *line = currentItem();
    for (LMPoint *end : std::as_const(line->points)) {
        if (end->hitTest(pos)) {
            line->grabbed = end;
            view()->setCursor(LMToolGeometry::cursorForHandle(end->id, 0));
            return;
        }
    }
    if (nearLine(pos)) {
        line->grabbed = nullptr;
        m_moveWhole = true;
        view()->setCursor(Qt::SizeAllCursor);
    } else {
        m_moveWhole = false;
        view()->setCursor(Qt::CrossCursor);
    }
}

void LMScreenMsgHandlerLine::onMouseRelease(const QPoint &pos, const QPoint &)
{
    m_pressed = false;
    ensureEndpoints(pos);
    view()->update();
}

void LMScreenMsgHandlerLine::onKeyPress(int key, const QString &)
{
    if (key != Qt::Key_Backspace && key != Qt::Key_Delete)
        return;
    LMGraphFuncLine *line = currentItem();
    if (line->points.size() == 2) {
        // Ends that coincide commit nothing: the line goes without a step.
        line->points[0]->setPos(QPoint(0, 0));
        line->points[1]->setPos(QPoint(0, 0));
    }
    view()->apply();
    view()->update();
}

QWidget *LMScreenMsgHandlerLine::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerLineSetting(parent);
    connect(panel, &LMScreenMsgHandlerLineSetting::signal_colorChanged, this,
            &LMScreenMsgHandlerLine::slot_colorChanged);
    connect(panel, &LMScreenMsgHandlerLineSetting::signal_widthChanged, this,
            &LMScreenMsgHandlerLine::slot_widthChanged);
    panel->init(m_colour, m_width);
    return panel;
}

void LMScreenMsgHandlerLine::slot_widthChanged(int width)
{
    m_width = width;
    currentItem()->width = width * view()->zoom();
    view()->update();
}

void LMScreenMsgHandlerLine::slot_colorChanged(const QColor &colour)
{
    m_colour = colour;
    currentItem()->colour = colour;
    view()->update();
}
