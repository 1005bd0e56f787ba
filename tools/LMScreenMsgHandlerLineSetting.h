#pragma once

#include <QColor>
#include <QWidget>

class KVCLIENT_ColorComboBox;
class QLabel;
class QSlider;

// Width and colour of the line and pencil tools.
class LMScreenMsgHandlerLineSetting : public QWidget {
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
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_label;
    QSlider *m_hs;
    QLabel *m_value;
    QLabel *m_colorLabel;
    KVCLIENT_ColorComboBox *m_color;
};
