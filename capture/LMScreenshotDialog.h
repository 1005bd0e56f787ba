#pragma once

#include "capture/LMScreenshotSelection.h"

#include <QDialog>
#include <QPixmap>

// The full-screen picker over a grabbed screen: the user drags a selection,
// adjusts it by its handles, and confirms it with the tick button or a
// double-click, or leaves with the cross, Escape or by switching away. The
// screen comes from the caller, so the dialog works on any picture.
class LMScreenshotDialog : public QDialog {
    Q_OBJECT
public:
    explicit LMScreenshotDialog(const QPixmap &screen, QWidget *parent = nullptr);

    // The selected pixels once the dialog was accepted; null before.
    QPixmap result() const { return m_result; }
    const LMScreenshotSelection &selection() const { return m_selection; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum Look { Normal, Hovered, Pressed };
    void leaveIfAway();
    void finish(LMScreenshotSelection::Outcome outcome);
    void paintButton(QPainter &p, LMScreenshotSelection::ButtonIndex index) const;

    QPixmap m_screen;
    QPixmap m_result;
    LMScreenshotSelection m_selection;
    QPixmap m_looks[2][3]; // per button: normal, hovered, pressed
};
