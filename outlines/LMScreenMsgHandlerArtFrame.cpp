#include "outlines/LMScreenMsgHandlerArtFrame.h"

#include "app/LMMainWidget.h"
#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"

LMScreenMsgHandlerArtFrame::LMScreenMsgHandlerArtFrame(LMGraphView *view)
    : LMScreenMsgHandlerInf(view)
{
}

bool LMScreenMsgHandlerArtFrame::containsDocPoint(const QPoint &docPos)
{
    const QPainterPath &outline = view()->outlinePath();
    return !outline.isEmpty() && outline.contains(view()->transform(7).map(QPointF(docPos)));
}

void LMScreenMsgHandlerArtFrame::onMousePress(const QPoint &, const QPoint &docPos)
{
    if (containsDocPoint(docPos)) {
        m_dragging = true;
        m_lastPos = docPos;
    }
    updateCursor();
}

void LMScreenMsgHandlerArtFrame::onMouseMove(const QPoint &, const QPoint &docPos)
{
    if (m_dragging) {
        view()->setOutlineOffset(view()->outlineOffset() + docPos - m_lastPos);
        m_lastPos = docPos;
        if (LMMainWidget *window = LMMainWidget::instance())
            window->setModified();
    }
    m_hovering = containsDocPoint(docPos);
    updateCursor();
}

void LMScreenMsgHandlerArtFrame::onMouseRelease(const QPoint &, const QPoint &)
{
    m_dragging = false;
    updateCursor();
}

void LMScreenMsgHandlerArtFrame::onActivate()
{
    view()->setOutlineEditing(true);
    m_hovering = false;
    m_dragging = false;
    m_cursorIndex = 0; // the canvas has just shown the arrow
}

void LMScreenMsgHandlerArtFrame::onDeactivate()
{
    view()->setOutlineEditing(false);
}

QWidget *LMScreenMsgHandlerArtFrame::createSettingWidget(QWidget *parent)
{
    return new LMScreenMsgHandlerArtFrameSetting(parent);
}

void LMScreenMsgHandlerArtFrame::updateCursor()
{
    const int index = m_dragging ? 2 : (m_hovering ? 1 : 0);
    if (index == m_cursorIndex)
        return;
    m_cursorIndex = index;
    static const Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::OpenHandCursor,
                                             Qt::ClosedHandCursor};
    view()->setCursor(shapes[index]);
    view()->update();
}
