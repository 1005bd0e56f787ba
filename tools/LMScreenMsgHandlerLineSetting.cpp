#include "tools/LMScreenMsgHandlerLineSetting.h"

#include "app/QVTLanguageManager.h"
#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

LMScreenMsgHandlerLineSetting::LMScreenMsgHandlerLineSetting(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerLineSetting"));
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
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("label_3"));
    m_value->setMinimumWidth(18);
    m_colorLabel = new QLabel(this);
    m_colorLabel->setObjectName(QStringLiteral("lcolor"));
    m_color = new KVCLIENT_ColorComboBox(this);
    m_color->setObjectName(QStringLiteral("color"));

    grid->addWidget(m_label, 0, 0);
    grid->addWidget(m_hs, 0, 1);
    grid->addWidget(m_value, 0, 2);
    grid->addWidget(m_colorLabel, 1, 0);
    grid->addWidget(m_color, 1, 1, 1, 2);

    connect(m_hs, &QSlider::valueChanged, m_value, qOverload<int>(&QLabel::setNum));
    connect(m_hs, &QSlider::valueChanged, this,
            &LMScreenMsgHandlerLineSetting::signal_widthChanged);
    connect(m_color, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &LMScreenMsgHandlerLineSetting::signal_colorChanged);
    m_value->setNum(m_hs->value());
    retranslate();
}

void LMScreenMsgHandlerLineSetting::init(const QColor &color, int width)
{
    m_color->setColor(color);
    m_hs->setValue(width);
}

void LMScreenMsgHandlerLineSetting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void LMScreenMsgHandlerLineSetting::retranslate()
{
    QVTLanguageManager *lan = QVTLanguageManager::instance();
    if (!lan)
        return;
    m_label->setText(lan->text(19));
    m_colorLabel->setText(lan->text(20));
}
