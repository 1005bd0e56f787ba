#include "tools/LMScreenMsgHandlerBasic.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QScrollBar>

LMScreenMsgHandlerBasic::LMScreenMsgHandlerBasic(LMToolEnvironment *view)
    : LMScreenMsgHandlerInf(view)
{
}

void LMScreenMsgHandlerBasic::onActivate()
{
    m_pressed = false;
    view()->widget()->installEventFilter(this);
    view()->setCursor(Qt::OpenHandCursor);
}

void LMScreenMsgHandlerBasic::onDeactivate()
{
    m_pressed = false;
    view()->widget()->removeEventFilter(this);
}

bool LMScreenMsgHandlerBasic::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != view()->widget())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = true;
        m_last = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        view()->setCursor(Qt::ClosedHandCursor);
        break;
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        view()->setCursor(Qt::OpenHandCursor);
        break;
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        if (!(move->buttons() & Qt::LeftButton) || !m_pressed)
            break;
        const QPoint now = move->globalPosition().toPoint();
        const QPoint d = now - m_last;
        m_last = now;
        // The scroll area showing the canvas; the picture follows the pointer.
        QWidget *w = view()->widget()->parentWidget();
        while (w && !qobject_cast<QAbstractScrollArea *>(w))
            w = w->parentWidget();
        if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
            if (QScrollBar *bar = area->verticalScrollBar())
                bar->setValue(bar->value() - d.y());
            if (QScrollBar *bar = area->horizontalScrollBar())
                bar->setValue(bar->value() - d.x());
        }
        break;
    }
    default:
        break;
    }
    return false;
}
