#pragma once

#include "tools/LMSettingPanel.h"

class QPushButton;

// To Paper and To Frame for the fitting tool.
class LMScreenMsgHandlerScreenAdjustSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerScreenAdjustSetting(QWidget *parent = nullptr);

Q_SIGNALS:
    void signal_toFrame();
    void signal_toPaper();

protected:
    void retranslate() override;

private:
    QPushButton *m_toPaper;
    QPushButton *m_toFrame;
};
