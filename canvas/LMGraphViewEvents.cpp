// Pointer, key and input-method events, forwarded to the current tool, and
// the right-click menu.
#include "canvas/LMGraphView.h"

#include "base/LMText.h"
#include "model/LMDesign.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {
QPoint widgetPosOf(const QMouseEvent *event)
{
    return event->position().toPoint();
}
} // namespace

void LMGraphView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        QMenu menu(this);
        fillContextMenu(&menu, widgetPosOf(event));
        menu.exec(event->globalPosition().toPoint());
        return;
    }
    m_keyModifiers = event->modifiers();
    if (event->button() == Qt::LeftButton && m_currentHandler)
        m_currentHandler->onMousePress(widgetPosOf(event), toDocument(widgetPosOf(event)));
}

void LMGraphView::mouseReleaseEvent(QMouseEvent *event)
{
    m_keyModifiers = event->modifiers();
    if (event->button() == Qt::LeftButton && m_currentHandler)
        m_currentHandler->onMouseRelease(widgetPosOf(event), toDocument(widgetPosOf(event)));
}

void LMGraphView::mouseMoveEvent(QMouseEvent *event)
{
    m_keyModifiers = event->modifiers();
    if (m_currentHandler)
        m_currentHandler->onMouseMove(widgetPosOf(event), toDocument(widgetPosOf(event)));
}

void LMGraphView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            Q_EMIT signal_zoomWheel(steps, event->position().toPoint());
        event->accept();
        return;
    }
    if (m_currentHandler)
        m_currentHandler->onWheel(event->angleDelta().y());
    // Unhandled, so the scroll area around the canvas still scrolls.
    event->ignore();
}

void LMGraphView::keyPressEvent(QKeyEvent *event)
{
    m_keyModifiers = event->modifiers();
    if (m_currentHandler)
        m_currentHandler->onKeyPress(event->key(), event->text());
}

void LMGraphView::keyReleaseEvent(QKeyEvent *event)
{
    if (m_currentHandler)
        m_currentHandler->onKeyRelease(event->key());
}

void LMGraphView::enterEvent(QEnterEvent *)
{
    if (m_currentHandler)
        m_currentHandler->onEnter();
}

void LMGraphView::leaveEvent(QEvent *)
{
    if (m_currentHandler)
        m_currentHandler->onLeave();
}

void LMGraphView::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_currentHandler)
        m_currentHandler->onInputMethod(event->commitString());
}

bool LMGraphView::focusNextPrevChild(bool)
{
    return false;
}

void LMGraphView::fillContextMenu(QMenu *menu, const QPoint &widgetPos)
{
    QAction *clip = menu->addAction(lmText(39));
    clip->setCheckable(true);
    clip->setChecked(m_design->clipToOutline());
    // The outline panel's check box, when it is open, follows the announcement.
    connect(clip, &QAction::triggered, this,
            [this] { m_design->setClipToOutline(!m_design->clipToOutline()); });

    const bool editingOutline =
        m_currentHandler && m_currentHandler->objectName() == QLatin1String("ls");
    QAction *outlineEditing = menu->addAction(lmText(editingOutline ? 41 : 40));
    connect(outlineEditing, &QAction::triggered, this, [this, editingOutline] {
        setHandlerByName(editingOutline ? QStringLiteral("basic") : QStringLiteral("ls"));
    });

    if (outlineContainsWidgetPoint(widgetPos)) {
        QAction *copy = menu->addAction(lmText(74));
        connect(copy, &QAction::triggered, this, &LMGraphView::copyFrameContent);
    }

    if (!QGuiApplication::clipboard()->image().isNull()) {
        QAction *paste = menu->addAction(lmText(52));
        connect(paste, &QAction::triggered, this, &LMGraphView::pastePicture);
    }
}
