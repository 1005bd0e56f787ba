#include "tools/stroke/LMScreenMsgHandlerEraser.h"

#include "tools/stroke/LMGraphFuncEraser.h"
#include "tools/stroke/LMScreenMsgHandlerEraserSetting.h"

#include <QPainter>
#include <QPixmap>

LMScreenMsgHandlerEraser::LMScreenMsgHandlerEraser(LMToolEnvironment *view)
    : LMScreenMsgHandlerInf(view)
{
}

LMGraphFuncEraser *LMScreenMsgHandlerEraser::currentItem()
{
    return currentItemOf<LMGraphFuncEraser>([this] {
        auto *stroke = new LMGraphFuncEraser;
        stroke->width = m_width * view()->zoom();
        return stroke;
    });
}

QImage LMScreenMsgHandlerEraser::cursorImage(int width, double zoom)
{
    const int s = qMax(1, int(width * zoom));
    QImage image(s, s, QImage::Format_RGB32);
    if (s < 3) {
        image.fill(Qt::black);
        return image;
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRect(QPoint(0, 0), QPoint(s - 2, s - 2)));
    return image;
}

QCursor LMScreenMsgHandlerEraser::eraserCursor() const
{
    const QImage image = cursorImage(m_width, view()->zoom());
    return QCursor(QPixmap::fromImage(image), image.width() / 2, image.height() / 2);
}

void LMScreenMsgHandlerEraser::onActivate()
{
    m_pressed = false;
    view()->setCursor(eraserCursor());
}

void LMScreenMsgHandlerEraser::onZoomChanged()
{
    // The cursor is the eraser's square at the zoom.
    view()->setCursor(eraserCursor());
}

void LMScreenMsgHandlerEraser::onDeactivate()
{
    m_pressed = false;
    view()->apply();
    view()->update();
}

void LMScreenMsgHandlerEraser::onMouseRelease(const QPoint &, const QPoint &)
{
    m_pressed = false;
    view()->apply();
    view()->update();
}

void LMScreenMsgHandlerEraser::onMousePress(const QPoint &pos, const QPoint &)
{
    m_pressed = true;
    currentItem()->pressAt(pos);
    view()->update();
}

void LMScreenMsgHandlerEraser::onMouseMove(const QPoint &pos, const QPoint &)
{
    if (!m_pressed)
        return;
    currentItem()->sweepTo(pos);
    view()->update();
}

QWidget *LMScreenMsgHandlerEraser::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerEraserSetting(parent);
    connect(panel, &LMScreenMsgHandlerEraserSetting::signal_widthChanged, this,
            &LMScreenMsgHandlerEraser::slot_widthChanged);
    panel->init(m_width);
    return panel;
}

void LMScreenMsgHandlerEraser::slot_widthChanged(int width)
{
    m_width = width;
    m_pressed = false;
    view()->setCursor(eraserCursor());
    currentItem()->width = width * view()->zoom();
}
