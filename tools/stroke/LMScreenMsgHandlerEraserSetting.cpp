#include "tools/stroke/LMScreenMsgHandlerEraserSetting.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

LMScreenMsgHandlerEraserSetting::LMScreenMsgHandlerEraserSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerEraserSetting"));
    QGridLayout *grid = makeGrid();

    const SliderRow size = addSliderRow(grid, 0, 5, 58, "label", "label_2");
    m_label = size.caption;
    m_hs = size.slider;
    m_value = size.value;
    m_hs->setSingleStep(2);
    m_hs->setTracking(true);
    m_hs->setTickPosition(QSlider::NoTicks);

    connect(m_hs, &QSlider::valueChanged, this,
            &LMScreenMsgHandlerEraserSetting::signal_widthChanged);
    retranslate();
}

void LMScreenMsgHandlerEraserSetting::init(int width)
{
    m_hs->setValue(width);
}

void LMScreenMsgHandlerEraserSetting::retranslate()
{
    m_label->setText(lmText(19));
}
