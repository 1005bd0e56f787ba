#include "tools/frame/LMScreenMsgHandlerShapeSetting.h"

#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

LMScreenMsgHandlerShapeSetting::LMScreenMsgHandlerShapeSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerShapeSetting"));
    QGridLayout *grid = makeGrid();

    const SliderRow width = addSliderRow(grid, 0, 1, 8, "label", "label_3");
    m_label = width.caption;
    m_hs = width.slider;
    m_value = width.value;
    m_hs->setTickPosition(QSlider::TicksBelow);
    const ColorRow colour = addColorRow(grid, 1, "label_2", "color");
    m_colorLabel = colour.caption;
    m_color = colour.field;
    m_fill = new QCheckBox(this);
    m_fill->setObjectName(QStringLiteral("fillcolor"));
    m_fillColor = new KVCLIENT_ColorComboBox(this);
    m_fillColor->setObjectName(QStringLiteral("color_2"));

    grid->addWidget(m_fill, 2, 0, 1, 2);
    grid->addWidget(m_fillColor, 3, 1, 1, 2);

    connect(m_hs, &QSlider::valueChanged, this,
            &LMScreenMsgHandlerShapeSetting::signal_widthChanged);
    connect(m_color, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &LMScreenMsgHandlerShapeSetting::signal_colorChanged);
    connect(m_fillColor, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &LMScreenMsgHandlerShapeSetting::signal_fillcolorChanged);
    connect(m_fill, &QCheckBox::stateChanged, this,
            &LMScreenMsgHandlerShapeSetting::signal_widthCheckboxChanged);
    // The fill colour is offered only while the shape is filled.
    connect(m_fill, &QCheckBox::clicked, m_fillColor, &QWidget::setVisible);
    retranslate();
}

void LMScreenMsgHandlerShapeSetting::init(const QColor &colour, const QColor &fillColour, int width,
                                          bool fill)
{
    m_color->setColor(colour);
    m_fillColor->setColor(fillColour);
    m_hs->setValue(width);
    m_fill->setChecked(fill);
    m_fillColor->setVisible(fill);
}

void LMScreenMsgHandlerShapeSetting::retranslate()
{
    m_label->setText(lmText(19));
    m_colorLabel->setText(lmText(20));
    m_fill->setText(lmText(21));
}
