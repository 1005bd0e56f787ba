#pragma once

#include <QColor>
#include <QWidget>

class KVCLIENT_ColorComboBox;
class QCheckBox;
class QLabel;
class QSlider;

// Pen width and colour, and the fill of the shape tools.
class LMScreenMsgHandlerShapeSetting : public QWidget {
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
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_label;
    QSlider *m_hs;
    QLabel *m_value;
    QLabel *m_colorLabel;
    KVCLIENT_ColorComboBox *m_color;
    QCheckBox *m_fill;
    KVCLIENT_ColorComboBox *m_fillColor;
};
