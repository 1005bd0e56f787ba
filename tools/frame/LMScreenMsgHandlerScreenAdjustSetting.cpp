#include "tools/frame/LMScreenMsgHandlerScreenAdjustSetting.h"

#include <QGridLayout>
#include <QPushButton>

LMScreenMsgHandlerScreenAdjustSetting::LMScreenMsgHandlerScreenAdjustSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerScreenAdjustSetting"));
    QGridLayout *grid = makeGrid();
    m_toPaper = new QPushButton(this);
    m_toPaper->setObjectName(QStringLiteral("btn_topaper"));
    m_toFrame = new QPushButton(this);
    m_toFrame->setObjectName(QStringLiteral("btn_toframe"));
    grid->addWidget(m_toPaper, 0, 0);
    grid->addWidget(m_toFrame, 0, 1);
    // On press, as the frame follows at once.
    connect(m_toPaper, &QPushButton::pressed, this,
            &LMScreenMsgHandlerScreenAdjustSetting::signal_toPaper);
    connect(m_toFrame, &QPushButton::pressed, this,
            &LMScreenMsgHandlerScreenAdjustSetting::signal_toFrame);
    retranslate();
}

void LMScreenMsgHandlerScreenAdjustSetting::retranslate()
{
    m_toPaper->setText(lmText(73));
    m_toFrame->setText(lmText(72));
}
