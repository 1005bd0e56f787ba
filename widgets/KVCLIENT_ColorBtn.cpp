#include "widgets/KVCLIENT_ColorBtn.h"

#include <QPainter>

KVCLIENT_ColorBtn::KVCLIENT_ColorBtn(QWidget *parent) : QPushButton(parent)
{
    setFixedSize(23, 23);
}

void KVCLIENT_ColorBtn::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void KVCLIENT_ColorBtn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), height()), m_color);
}
