#pragma once

#include "tools/LMSettingPanel.h"

class QPushButton;

// Copy and Clip for the select tool.
class LMScreenMsgHandlerClipSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerClipSetting(QWidget *parent = nullptr);

Q_SIGNALS:
    void signal_copy();
    void signal_clip();

public Q_SLOTS:
    void on_copyButton_clicked();
    void on_clipButton_clicked();

protected:
    void retranslate() override;

private:
    QPushButton *m_copy;
    QPushButton *m_clip;
};
