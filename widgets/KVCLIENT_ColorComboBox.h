#pragma once

#include <QColor>
#include <QWidget>

class KVCLIENT_ColorBtn;
class QHBoxLayout;
class QLineEdit;

// The colour field of the settings panels: a swatch that opens the colour
// dialog, and a line edit that takes a colour name or a #rgb / #rrggbb code.
class KVCLIENT_ColorComboBox : public QWidget {
    Q_OBJECT
public:
    explicit KVCLIENT_ColorComboBox(QWidget *parent = nullptr);

    // Shows `color` and announces it, also when it is the colour already shown.
    void setColor(const QColor &color);
    const QColor &color() const { return m_color; }

    KVCLIENT_ColorBtn *button() const { return m_btn; }
    QLineEdit *lineEdit() const { return m_lineEdit; }

Q_SIGNALS:
    void signal_colorChanged(const QColor &color);

public Q_SLOTS:
    void on_lineEdit_textEdited(const QString &text);
    void on_lineEdit_editingFinished();
    void on_btn_clicked();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QColor m_color;
    QHBoxLayout *m_layout;
    KVCLIENT_ColorBtn *m_btn;
    QLineEdit *m_lineEdit;
};
