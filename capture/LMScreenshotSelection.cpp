#include "capture/LMScreenshotSelection.h"

#include <QtGlobal>

namespace {
// Anchor and pointer span the rectangle whatever way the drag went; unlike
// QRect::normalized it never yields an empty rectangle.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())),
                 QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
}

QRect normalised(const QRect &r)
{
    return spanning(QPoint(r.left(), r.top()), QPoint(r.right(), r.bottom()));
}

bool near(int a, int b)
{
    return qAbs(a - b) < 2;
}
} // namespace

LMScreenshotSelection::LMScreenshotSelection(const QRect &bounds) : m_bounds(bounds) {}

LMScreenshotSelection::Hit LMScreenshotSelection::hitTest(const QRect &s, QPoint p)
{
    if (s.left() > s.right() || s.top() > s.bottom() || !s.adjusted(-1, -1, 1, 1).contains(p))
        return Outside;
    const int midX = (s.left() + s.right()) / 2, midY = (s.top() + s.bottom()) / 2;
    const int mask = (near(p.y(), s.top()) ? 1 : 0) | (near(p.y(), midY) ? 2 : 0) |
                     (near(p.y(), s.bottom()) ? 4 : 0) | (near(p.x(), s.left()) ? 8 : 0) |
                     (near(p.x(), midX) ? 16 : 0) | (near(p.x(), s.right()) ? 32 : 0);
    switch (mask) {
    case 17:
        return Top;
    case 33:
        return TopRight;
    case 34:
        return Right;
    case 36:
        return BottomRight;
    case 20:
        return Bottom;
    case 12:
        return BottomLeft;
    case 10:
        return Left;
    case 9:
        return TopLeft;
    default:
        return Inside;
    }
}

Qt::CursorShape LMScreenshotSelection::cursorFor(Hit hit)
{
    switch (hit) {
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case Inside:
        return Qt::SizeAllCursor;
    case Outside:
        break;
    }
    return Qt::ArrowCursor;
}

bool LMScreenshotSelection::press(QPoint p)
{
    if (m_state == Selected) {
        bool onButton = false;
        for (Button &b : m_buttons) {
            b.down = b.rect.contains(p);
            onButton = onButton || b.down;
        }
        if (onButton) {
            m_state = ButtonDown;
            return true;
        }
    }
    const Hit hit = hitTest(m_selection, p);
    if (m_state == Idle || (m_state == Selected && hit == Outside)) {
        m_state = Selecting;
        m_anchor = p;
    } else if (m_state == Selected) {
        static const State grip[] = {ResizeTop,         ResizeTopRight, ResizeRight,
                                     ResizeBottomRight, ResizeBottom,   ResizeBottomLeft,
                                     ResizeLeft,        ResizeTopLeft,  Moving};
        m_state = grip[hit];
        m_anchor = p;
        m_working = m_selection;
    }
    return false;
}

bool LMScreenshotSelection::move(QPoint p)
{
    bool repaint = false;
    if (m_state == Selecting) {
        m_selection = spanning(m_anchor, p);
        repaint = true;
    } else if (m_state == Selected) {
        m_cursor = cursorFor(hitTest(m_selection, p));
    } else if (adjusting()) {
        const State s = m_state;
        if (s == ResizeTopLeft || s == ResizeTopRight || s == ResizeTop)
            m_working.setTop(p.y());
        if (s == ResizeBottomLeft || s == ResizeBottomRight || s == ResizeBottom)
            m_working.setBottom(p.y());
        if (s == ResizeTopLeft || s == ResizeBottomLeft || s == ResizeLeft)
            m_working.setLeft(p.x());
        if (s == ResizeTopRight || s == ResizeBottomRight || s == ResizeRight)
            m_working.setRight(p.x());
        if (s == Moving) {
            m_working.translate(p - m_anchor);
            m_anchor = p;
        }
        // The working rectangle may be inside out; the selection never is,
        // so an edge dragged across its opposite flips the selection.
        m_selection = normalised(m_working);
        placeButtons();
        repaint = true;
    }
    for (Button &b : m_buttons) {
        const bool over = b.rect.contains(p);
        repaint = repaint || over != b.over;
        b.over = over;
    }
    return repaint;
}

LMScreenshotSelection::Outcome LMScreenshotSelection::release(QPoint p, bool *repaint)
{
    *repaint = true;
    if (m_state == Selecting) {
        m_selection = spanning(m_anchor, p);
        placeButtons();
        settle();
        return Stay;
    }
    if (adjusting()) {
        settle();
        return Stay;
    }
    if (m_state != ButtonDown) {
        *repaint = false;
        return Stay;
    }
    bool clicked[2];
    for (int i = 0; i < 2; ++i) {
        m_buttons[i].over = m_buttons[i].rect.contains(p);
        clicked[i] = m_buttons[i].down && m_buttons[i].over;
        m_buttons[i].down = false;
    }
    // Released away from the button it went down on: nothing was clicked,
    // and the selection can be worked on again.
    m_state = Selected;
    if (clicked[Confirm])
        return Accept;
    return clicked[Cancel] ? Reject : Stay;
}

LMScreenshotSelection::Outcome LMScreenshotSelection::doubleClick(QPoint p) const
{
    // The double-click's second press has already begun a move or a resize.
    const bool settled = m_state == Selected || adjusting();
    return settled && hitTest(m_selection, p) != Outside ? Accept : Stay;
}

void LMScreenshotSelection::settle()
{
    // Too small to be meant: it stays drawn, without buttons, and the next
    // press starts anew.
    const bool big = m_selection.right() - m_selection.left() >= 2 &&
                     m_selection.bottom() - m_selection.top() >= 2;
    m_state = big ? Selected : Idle;
}

void LMScreenshotSelection::placeButtons()
{
    const int right = m_selection.right();
    int top = m_selection.bottom() + 5;
    QRect cancel(right - 77, top, ButtonWidth, ButtonHeight);
    QRect confirm(right - 172, top, ButtonWidth, ButtonHeight);
    // Below a selection that reaches the screen's foot, or left of its edge,
    // the buttons would be out of sight: keep them on the screen.
    const int margin = 4;
    int dy = qMin(0, m_bounds.bottom() - margin - cancel.bottom());
    int dx = qMax(0, m_bounds.left() + margin - confirm.left());
    dx = dx ? dx : qMin(0, m_bounds.right() - margin - cancel.right());
    dy = dy ? dy : qMax(0, m_bounds.top() + margin - cancel.top());
    m_buttons[Cancel].rect = cancel.translated(dx, dy);
    m_buttons[Confirm].rect = confirm.translated(dx, dy);
}

QPixmap LMScreenshotSelection::cutOut(const QPixmap &screen) const
{
    const QRect visible = m_selection.intersected(m_bounds);
    if (visible.isEmpty() || screen.isNull())
        return QPixmap();
    const qreal ratio = screen.devicePixelRatio();
    const QPoint offset = visible.topLeft() - m_bounds.topLeft();
    const QRect source(qRound(offset.x() * ratio), qRound(offset.y() * ratio),
                       qRound(visible.width() * ratio), qRound(visible.height() * ratio));
    QPixmap result = screen.copy(source);
    result.setDevicePixelRatio(1.0);
    return result;
}
