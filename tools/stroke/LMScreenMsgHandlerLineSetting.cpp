#include "tools/stroke/LMScreenMsgHandlerLineSetting.h"

#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

LMScreenMsgHandlerLineSetting::LMScreenMsgHandlerLineSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerLineSetting"));
    QGridLayout *grid = makeGrid();

    const SliderRow width = addSliderRow(grid, 0, 1, 8, "label", "label_3");
    m_label = width.caption;
    m_hs = width.slider;
    m_value = width.value;
    m_hs->setTickPosition(QSlider::TicksBelow);
    const ColorRow colour = addColorRow(grid, 1, "lcolor", "color");
    m_colorLabel = colour.caption;
    m_color = colour.field;

    connect(m_hs, &QSlider::valueChanged, this,
            &LMScreenMsgHandlerLineSetting::signal_widthChanged);
    connect(m_color, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &LMScreenMsgHandlerLineSetting::signal_colorChanged);
    retranslate();
}

void LMScreenMsgHandlerLineSetting::init(const QColor &color, int width)
{
    m_color->setColor(color);
    m_hs->setValue(width);
}

void LMScreenMsgHandlerLineSetting::retranslate()
{
    m_label->setText(lmText(19));
    m_colorLabel->setText(lmText(20));
}
