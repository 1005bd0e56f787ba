#pragma once

#include "tools/LMSettingPanel.h"

#include <QColor>

class KVCLIENT_ColorComboBox;
class QCheckBox;
class QLabel;
class QSlider;

// Pen width and colour, and the fill of the shape tools.
class LMScreenMsgHandlerShapeSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerShapeSetting(QWidget *parent = nullptr);

    void init(const QColor &colour, const QColor &fillColour, int width, bool fill);
    QSlider *widthSlider() const { return m_hs; }
    QCheckBox *fillCheckBox() const { return m_fill; }
    KVCLIENT_ColorComboBox *colorField() const { return m_color; }
    KVCLIENT_ColorComboBox *fillColorField() const { return m_fillColor; }

Q_SIGNALS:
    void signal_colorChanged(const QColor &colour);
    void signal_fillcolorChanged(const QColor &colour);
    void signal_widthChanged(int width);
    void signal_widthCheckboxChanged(int state);

protected:
    void retranslate() override;

private:
    QLabel *m_label;
    QSlider *m_hs;
    QLabel *m_value;
    QLabel *m_colorLabel;
    KVCLIENT_ColorComboBox *m_color;
    QCheckBox *m_fill;
    KVCLIENT_ColorComboBox *m_fillColor;
};
