#pragma once

#include "tools/LMSettingPanel.h"

class QLabel;
class QSlider;

// Size of the eraser.
class LMScreenMsgHandlerEraserSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerEraserSetting(QWidget *parent = nullptr);

    void init(int width);
    QSlider *widthSlider() const { return m_hs; }

Q_SIGNALS:
    void signal_widthChanged(int width);

protected:
    void retranslate() override;

private:
    QLabel *m_label;
    QSlider *m_hs;
    QLabel *m_value;
};
