#include "tools/LMScreenMsgHandlerEraserSetting.h"

#include "app/QVTLanguageManager.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

LMScreenMsgHandlerEraserSetting::LMScreenMsgHandlerEraserSetting(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerEraserSetting"));
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(0, 6, 0, 6);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_hs = new QSlider(Qt::Horizontal, this);
    m_hs->setObjectName(QStringLiteral("hs"));
    m_hs->setRange(5, 58);
    m_hs->setSingleStep(2);
    m_hs->setPageStep(1);
    m_hs->setTracking(true);
    m_hs->setTickPosition(QSlider::NoTicks);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("label_2"));
    m_value->setMinimumWidth(18);

    grid->addWidget(m_label, 0, 0);
    grid->addWidget(m_hs, 0, 1);
    grid->addWidget(m_value, 0, 2);

    connect(m_hs, &QSlider::valueChanged, m_value, qOverload<int>(&QLabel::setNum));
    connect(m_hs, &QSlider::valueChanged, this,
            &LMScreenMsgHandlerEraserSetting::signal_widthChanged);
    m_value->setNum(m_hs->value());
    retranslate();
}

void LMScreenMsgHandlerEraserSetting::init(int width)
{
    m_hs->setValue(width);
}

void LMScreenMsgHandlerEraserSetting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void LMScreenMsgHandlerEraserSetting::retranslate()
{
    if (QVTLanguageManager *lan = QVTLanguageManager::instance())
        m_label->setText(lan->text(19));
}
