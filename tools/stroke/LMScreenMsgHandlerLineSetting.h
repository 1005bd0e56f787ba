#pragma once

#include "tools/LMSettingPanel.h"

#include <QColor>

class KVCLIENT_ColorComboBox;
class QLabel;
class QSlider;

// Width and colour of the line and pencil tools.
class LMScreenMsgHandlerLineSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerLineSetting(QWidget *parent = nullptr);

    void init(const QColor &color, int width);
    QSlider *widthSlider() const { return m_hs; }
    KVCLIENT_ColorComboBox *colorField() const { return m_color; }

Q_SIGNALS:
    void signal_colorChanged(const QColor &color);
    void signal_widthChanged(int width);

protected:
    void retranslate() override;

private:
    QLabel *m_label;
    QSlider *m_hs;
    QLabel *m_value;
    QLabel *m_colorLabel;
    KVCLIENT_ColorComboBox *m_color;
};
