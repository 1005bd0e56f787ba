#include "tools/LMScreenMsgHandlerInf.h"

#include <QWidget>

// Tools are children of the canvas widget, which finds them by name.
LMScreenMsgHandlerInf::LMScreenMsgHandlerInf(LMToolEnvironment *view)
    : QObject(view->widget()), m_view(view)
{
}

void LMScreenMsgHandlerInf::onMousePress(const QPoint &, const QPoint &) {}
void LMScreenMsgHandlerInf::onMouseRelease(const QPoint &, const QPoint &) {}
void LMScreenMsgHandlerInf::onMouseMove(const QPoint &, const QPoint &) {}
void LMScreenMsgHandlerInf::onWheel(int) {}
void LMScreenMsgHandlerInf::onActivate() {}
void LMScreenMsgHandlerInf::onDeactivate() {}
void LMScreenMsgHandlerInf::onKeyRelease(int) {}
void LMScreenMsgHandlerInf::onKeyPress(int, const QString &) {}
void LMScreenMsgHandlerInf::onInputMethod(const QString &) {}
void LMScreenMsgHandlerInf::onEnter() {}
void LMScreenMsgHandlerInf::onZoomChanged() {}

bool LMScreenMsgHandlerInf::takePicture(const QImage &, const QRect &)
{
    return false;
}
void LMScreenMsgHandlerInf::onLeave() {}
QWidget *LMScreenMsgHandlerInf::createSettingWidget(QWidget *)
{
    return nullptr;
}
