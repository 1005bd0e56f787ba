#include "tools/LMScreenMsgHandlerShapeSetting.h"

#include "app/QVTLanguageManager.h"
#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

LMScreenMsgHandlerShapeSetting::LMScreenMsgHandlerShapeSetting(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerShapeSetting"));
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(0, 6, 0, 6);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_hs = new QSlider(Qt::Horizontal, this);
    m_hs->setObjectName(QStringLiteral("hs"));
    m_hs->setRange(1, 8);
    m_hs->setPageStep(1);
    m_hs->setTickPosition(QSlider::TicksBelow);
    m_hs->setInvertedAppearance(false);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("label_3"));
    m_value->setMinimumWidth(18);
    m_colorLabel = new QLabel(this);
    m_colorLabel->setObjectName(QStringLiteral("label_2"));
    m_color = new KVCLIENT_ColorComboBox(this);
    m_color->setObjectName(QStringLiteral("color"));
    m_fill = new QCheckBox(this);
    m_fill->setObjectName(QStringLiteral("fillcolor"));
    m_fillColor = new KVCLIENT_ColorComboBox(this);
    m_fillColor->setObjectName(QStringLiteral("color_2"));

    grid->addWidget(m_label, 0, 0);
    grid->addWidget(m_hs, 0, 1);
    grid->addWidget(m_value, 0, 2);
    grid->addWidget(m_colorLabel, 1, 0);
    grid->addWidget(m_color, 1, 1, 1, 2);
    grid->addWidget(m_fill, 2, 0, 1, 2);
    grid->addWidget(m_fillColor, 3, 1, 1, 2);

    connect(m_hs, &QSlider::valueChanged, m_value, qOverload<int>(&QLabel::setNum));
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
    m_value->setNum(m_hs->value());
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

void LMScreenMsgHandlerShapeSetting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void LMScreenMsgHandlerShapeSetting::retranslate()
{
    QVTLanguageManager *lan = QVTLanguageManager::instance();
    if (!lan)
        return;
    m_label->setText(lan->text(19));
    m_colorLabel->setText(lan->text(20));
    m_fill->setText(lan->text(21));
}
