#include "frameeffect/LMScreenMsgHandlerBorder.h"

#include "frameeffect/LMScreenMsgHandlerBorderSetting.h"
#include "model/LMDesign.h"

#include <QCursor>

bool LMScreenMsgHandlerBorder::onRing(const QPoint &docPos)
{
    const QPoint inOutline = view()->transform(Matrix::DocToOutline).map(docPos);
    return view()->design().shapes().frame.contains(QPointF(inOutline));
}

void LMScreenMsgHandlerBorder::onMousePress(const QPoint &, const QPoint &docPos)
{
    if (!view()->design().flags().frameEffectOn() || !onRing(docPos))
        return;
    m_lastPos = docPos;
    m_dragging = true;
    updateCursor();
}

void LMScreenMsgHandlerBorder::onMouseMove(const QPoint &, const QPoint &docPos)
{
    if (!view()->design().flags().frameEffectOn())
        return;
    if (m_dragging && docPos != m_lastPos) {
        view()->design().setOutlineOffset(view()->design().outlineOffset() + docPos - m_lastPos);
        m_lastPos = docPos;
        view()->update();
    }
    m_hovering = onRing(docPos);
    updateCursor();
}

void LMScreenMsgHandlerBorder::onMouseRelease(const QPoint &, const QPoint &)
{
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
    return new LMScreenMsgHandlerBorderSetting(view()->design(), false, parent);
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
