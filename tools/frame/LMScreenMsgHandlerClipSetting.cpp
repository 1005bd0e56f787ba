#include "tools/frame/LMScreenMsgHandlerClipSetting.h"

#include <QGridLayout>
#include <QPushButton>

LMScreenMsgHandlerClipSetting::LMScreenMsgHandlerClipSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerClipSetting"));
    QGridLayout *grid = makeGrid();
    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("copyButton"));
    m_clip = new QPushButton(this);
    m_clip->setObjectName(QStringLiteral("clipButton"));
    grid->addWidget(m_copy, 0, 0);
    grid->addWidget(m_clip, 0, 1);
    QMetaObject::connectSlotsByName(this);
    retranslate();
}

void LMScreenMsgHandlerClipSetting::retranslate()
{
    m_copy->setText(lmText(53));
    m_clip->setText(lmText(54));
}

void LMScreenMsgHandlerClipSetting::on_copyButton_clicked()
{
    Q_EMIT signal_copy();
}

void LMScreenMsgHandlerClipSetting::on_clipButton_clicked()
{
    Q_EMIT signal_clip();
}
