#include "frameeffect/LMScreenMsgHandlerBorder.h"

#include "model/LMViewFlags.h"
#include "frameeffect/LMScreenMsgHandlerBorderSetting.h"

#include <QCursor>

bool LMScreenMsgHandlerBorder::onRing(const QPoint &docPos)
{
    const QPoint inOutline = view()->transform(Matrix::DocToOutline).map(docPos);
    return view()->framePath().contains(QPointF(inOutline));
}

void LMScreenMsgHandlerBorder::onMousePress(const QPoint &, const QPoint &docPos)
{
    if (!view()->flags().frameEffectOn() || !onRing(docPos))
        return;
    m_lastPos = docPos;
    m_dragging = true;
    m_moved = false;
    updateCursor();
}

void LMScreenMsgHandlerBorder::onMouseMove(const QPoint &, const QPoint &docPos)
{
    if (!view()->flags().frameEffectOn())
        return;
    if (m_dragging && docPos != m_lastPos) {
        view()->setOutlineOffset(view()->outlineOffset() + docPos - m_lastPos);
        m_lastPos = docPos;
        m_moved = true;
        view()->update();
    }
    m_hovering = onRing(docPos);
    updateCursor();
}

void LMScreenMsgHandlerBorder::onMouseRelease(const QPoint &, const QPoint &)
{
    // The outline's place is part of the design: a moved outline is a change
    // that must not be lost on closing.
    if (m_dragging && m_moved)
        view()->markModified();
    m_dragging = false;
    updateCursor();
}

void LMScreenMsgHandlerBorder::onActivate()
{
    view()->setFrameToolActive(true);
}

void LMScreenMsgHandlerBorder::onDeactivate()
{
    m_dragging = false;
    m_hovering = false;
    updateCursor();
    view()->setFrameToolActive(false);
}

QWidget *LMScreenMsgHandlerBorder::createSettingWidget(QWidget *parent)
{
    return new LMScreenMsgHandlerBorderSetting(view(), false, parent);
}

void LMScreenMsgHandlerBorder::updateCursor()
{
    const int index = m_dragging ? 2 : m_hovering ? 1 : 0;
    if (index == m_cursorIndex)
        return;
    m_cursorIndex = index;
    static const Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::OpenHandCursor,
                                             Qt::ClosedHandCursor};
    view()->setCursor(QCursor(shapes[index]));
    view()->update();
}
