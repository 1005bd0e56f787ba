#include "outlines/LMScreenMsgHandlerArtFrame.h"

#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"

LMScreenMsgHandlerArtFrame::LMScreenMsgHandlerArtFrame(LMToolEnvironment *view)
    : LMScreenMsgHandlerInf(view)
{
}

bool LMScreenMsgHandlerArtFrame::containsDocPoint(const QPoint &docPos)
{
    const QPainterPath &outline = view()->design().outlinePath();
    return !outline.isEmpty() &&
           outline.contains(view()->transform(Matrix::DocToOutline).map(QPointF(docPos)));
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
        view()->design().setOutlineOffset(view()->design().outlineOffset() + docPos - m_lastPos);
        m_lastPos = docPos;
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
    LMDesign *design = &view()->design();
    if (!design->catalogue())
        return nullptr;
    auto *panel = new LMScreenMsgHandlerArtFrameSetting(design, parent);
    panel->init(design->outlineRotation(), design->clipToOutline());
    connect(panel, &LMScreenMsgHandlerArtFrameSetting::signal_rotationChanged, this,
            &LMScreenMsgHandlerArtFrame::slot_rotationChanged);
    connect(panel, &LMScreenMsgHandlerArtFrameSetting::signal_clipChanged, design,
            &LMDesign::setClipToOutline);
    // The context menu's choice and another outline chosen elsewhere show too.
    connect(design, &LMDesign::clipToOutlineChanged, panel,
            &LMScreenMsgHandlerArtFrameSetting::setClipChecked);
    connect(design, &LMDesign::outlineChanged, panel, [panel, design] {
        panel->markOutline(design->outlineGroup(), design->outlineIndex());
    });
    return panel;
}

void LMScreenMsgHandlerArtFrame::slot_rotationChanged(int degrees)
{
    view()->design().setOutlineRotation(degrees);
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
