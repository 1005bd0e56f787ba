#pragma once

#include <QColor>
#include <QPushButton>

// A square swatch showing one colour.
class KVCLIENT_ColorBtn : public QPushButton {
    Q_OBJECT
public:
    explicit KVCLIENT_ColorBtn(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::red;
};
