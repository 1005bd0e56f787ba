#include "capture/LMScreenshotDialog.h"

#include "base/LMLogging.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

LMScreenshotDialog::LMScreenshotDialog(const QPixmap &screen, QWidget *parent)
    : QDialog(parent), m_screen(screen),
      m_selection(QRect(QPoint(0, 0), screen.deviceIndependentSize().toSize()))
{
    qCDebug(lcCapture) << "LMScreenshotDialog::LMScreenshotDialog";
    static const char *const names[2] = {"cross", "tick"};
    static const char *const looks[3] = {"normal", "hovered", "pressed"};
    for (int b = 0; b < 2; ++b)
        for (int l = 0; l < 3; ++l)
            m_looks[b][l].load(QStringLiteral(":/%1_%2.png")
                                   .arg(QLatin1String(names[b]), QLatin1String(looks[l])));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowCloseButtonHint);
    qCDebug(lcCapture) << m_screen.rect();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void LMScreenshotDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void LMScreenshotDialog::mousePressEvent(QMouseEvent *event)
{
    if (m_selection.press(event->position().toPoint()))
        update();
}

void LMScreenshotDialog::mouseMoveEvent(QMouseEvent *event)
{
    const bool repaint = m_selection.move(event->position().toPoint());
    if (m_selection.state() == LMScreenshotSelection::Selected)
        setCursor(m_selection.cursor());
    if (repaint)
        update();
}

void LMScreenshotDialog::mouseReleaseEvent(QMouseEvent *event)
{
    bool repaint = false;
    const auto outcome = m_selection.release(event->position().toPoint(), &repaint);
    if (repaint)
        update();
    finish(outcome);
}

void LMScreenshotDialog::mouseDoubleClickEvent(QMouseEvent *event)
{
    finish(m_selection.doubleClick(event->position().toPoint()));
}

void LMScreenshotDialog::finish(LMScreenshotSelection::Outcome outcome)
{
    if (outcome == LMScreenshotSelection::Reject) {
        reject();
    } else if (outcome == LMScreenshotSelection::Accept) {
        m_result = m_selection.cutOut(m_screen);
        // A selection moved wholly off the screen holds nothing to take.
        if (!m_result.isNull())
            accept();
    }
}

void LMScreenshotDialog::focusOutEvent(QFocusEvent *event)
{
    QDialog::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        leaveIfAway();
}

void LMScreenshotDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        leaveIfAway();
}

void LMScreenshotDialog::leaveIfAway()
{
    // Activation flickers while the window is mapped and made modal; the
    // user has left only if, a moment later, another window (of any
    // program) has the keyboard.
    QTimer::singleShot(100, this, [this] {
        if (isVisible() && QGuiApplication::focusWindow() != windowHandle())
            reject();
    });
}

void LMScreenshotDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_screen);
    p.fillRect(rect(), QColor(0, 0, 0, 100));
    const QRect s = m_selection.selection();
    if (!s.isNull()) {
        p.save();
        p.setClipRect(s);
        p.drawPixmap(0, 0, m_screen);
        p.restore();

        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        const int midX = (s.left() + s.right()) / 2, midY = (s.top() + s.bottom()) / 2;
        const QPoint handles[] = {
            {s.left(), s.top()},     {midX, s.top()},    {s.right(), s.top()},   {s.right(), midY},
            {s.right(), s.bottom()}, {midX, s.bottom()}, {s.left(), s.bottom()}, {s.left(), midY}};
        for (const QPoint &h : handles)
            p.drawRect(QRect(h - QPoint(1, 1), h));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(s.topLeft(), s.bottomRight() - QPoint(1, 1)));
    }
    if (m_selection.showsButtons()) {
        paintButton(p, LMScreenshotSelection::Confirm);
        paintButton(p, LMScreenshotSelection::Cancel);
    }
}

void LMScreenshotDialog::paintButton(QPainter &p, LMScreenshotSelection::ButtonIndex index) const
{
    const LMScreenshotSelection::Button &b = m_selection.button(index);
    const Look look = b.down && b.over ? Pressed : b.over && !b.down ? Hovered : Normal;
    const QPixmap &pixmap = m_looks[index][look];
    if (!pixmap.isNull()) {
        p.drawPixmap(b.rect, pixmap);
        return;
    }
    static const QColor outline[3] = {Qt::blue, Qt::green, Qt::red};
    p.setPen(outline[look]);
    p.setBrush(Qt::NoBrush);
    p.drawRect(b.rect);
}
