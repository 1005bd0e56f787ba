#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>

// The capture dialog's selection without the widget: its states, the hit test
// of the handles, the tick and cross buttons' places and the cut-out. The
// dialog feeds it pointer positions in its own coordinates and repaints when
// told to.
class LMScreenshotSelection {
public:
    enum State {
        Idle = 0,
        Selecting = 1,
        Selected = 2,
        // Resizing by a handle, in this order, then moving the whole selection.
        ResizeTopLeft = 3,
        ResizeTop,
        ResizeTopRight,
        ResizeRight,
        ResizeBottomRight,
        ResizeBottom,
        ResizeBottomLeft,
        ResizeLeft,
        Moving = 11,
        ButtonDown = 12,
    };
    enum Hit {
        Top,
        TopRight,
        Right,
        BottomRight,
        Bottom,
        BottomLeft,
        Left,
        TopLeft,
        Inside,
        Outside
    };
    enum ButtonIndex { Cancel = 0, Confirm = 1 };
    enum Outcome { Stay, Accept, Reject };

    struct Button {
        bool down = false; // the press landed on it
        bool over = false; // the pointer is over it
        QRect rect;
    };

    static constexpr int ButtonWidth = 75;
    static constexpr int ButtonHeight = 23;

    // `bounds` is the grabbed screen in dialog coordinates: the buttons stay
    // inside it, and the cut-out never reaches past it.
    explicit LMScreenshotSelection(const QRect &bounds);

    static Hit hitTest(const QRect &selection, QPoint p);
    static Qt::CursorShape cursorFor(Hit hit);

    // Each returns whether the dialog must repaint.
    bool press(QPoint p);
    bool move(QPoint p);
    Outcome release(QPoint p, bool *repaint);
    Outcome doubleClick(QPoint p) const;

    State state() const { return m_state; }
    QRect selection() const { return m_selection; }
    const Button &button(ButtonIndex index) const { return m_buttons[index]; }
    bool showsButtons() const { return m_state == Selected || m_state == ButtonDown; }
    // The cursor for the pointer's last place, meaningful while Selected.
    Qt::CursorShape cursor() const { return m_cursor; }

    // The selected pixels of `screen` (a grab of `bounds`, at any pixel
    // ratio), clipped to it; null when nothing of the selection is on it.
    QPixmap cutOut(const QPixmap &screen) const;

private:
    // Resizing by a handle or moving the whole selection.
    bool adjusting() const { return m_state >= ResizeTopLeft && m_state <= Moving; }
    void placeButtons();
    void settle();

    QRect m_bounds;
    State m_state = Idle;
    QPoint m_anchor;
    QRect m_selection;
    QRect m_working;
    Button m_buttons[2];
    Qt::CursorShape m_cursor = Qt::ArrowCursor;
};
