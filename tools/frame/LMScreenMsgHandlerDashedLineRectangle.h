#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

#include <QColor>
#include <QCursor>

#include <array>

class LMGraphFuncDashedLineRectangle;
class LMPoint;

// Turns pointer events into changes of a selection frame: drag to open it,
// drag inside to move it, drag a handle to resize it (past the opposite side
// it flips), drag just outside it to turn it.
class LMScreenMsgHandlerDashedLineRectangle : public LMScreenMsgHandlerInf {
    Q_OBJECT
public:
    static constexpr int RotationBand = 15;

    LMScreenMsgHandlerDashedLineRectangle(LMToolEnvironment *view, bool allowRotate);

    void onMousePress(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onMouseMove(const QPoint &widgetPos, const QPoint &docPos) override;
    void onActivate() override;
    void onDeactivate() override;
    // The arrow keys move a live frame a page pixel at a time, ten with Shift.
    void onKeyPress(int key, const QString &text) override;
    QWidget *createSettingWidget(QWidget *parent) override;

    // The current item; with no handles yet it gets its eight at `pos`.
    virtual LMGraphFuncDashedLineRectangle *itemForPress(const QPoint &pos);
    virtual LMGraphFuncDashedLineRectangle *currentItem();
    // The pointer's offset since the press: every drag works from the frame as
    // it was then, so the result depends only on where the pointer is.
    virtual void dragDelta(const QPoint &pos, LMGraphFuncDashedLineRectangle *item, QPoint *delta);
    // Gives the side bits back to the handles by where they are now.
    virtual void relabelHandles(LMGraphFuncDashedLineRectangle *item);
    // Makes the frame's middle its centre without moving it on screen.
    virtual void recentre(LMGraphFuncDashedLineRectangle *item);
    // Whether a corner drag keeps the frame's proportions (Shift frees them).
    virtual bool keepsProportions(LMGraphFuncDashedLineRectangle *) { return false; }

    // The frame over a document rectangle, upright.
    void setFrameRect(const QRect &r);
    void setFrameSize(const QPoint &size, LMGraphFuncDashedLineRectangle *item);
    // Frames a w x h picture (document pixels): upright, centred on `centre`
    // (a page point) but wholly inside the page when it fits, else scaled down
    // to the page's corner. Gives the page pixels the frame now covers.
    QRect placeBlock(int w, int h, LMGraphFuncDashedLineRectangle *item, const QPoint &centre);

    bool allowRotate() const { return m_allowRotate; }
    void setApplyOnOutsideClick(bool on) { m_applyOnOutsideClick = on; }
    static QCursor rotationCursor();

public Q_SLOTS:
    void slot_colorChanged(const QColor &colour);
    void slot_widthChanged(int width);
    void slot_AdjustToPaper();
    void slot_AdjustToFrame();

protected:
    int m_width = 3;
    QColor m_colour = Qt::black;
    QCursor m_defaultCursor = QCursor(Qt::CrossCursor);

private:
    // The frame's place and size beside the pointer while it is dragged.
    void showReadout(LMGraphFuncDashedLineRectangle *item, const QPoint &pointer);
    static QPoint alongDiagonal(LMGraphFuncDashedLineRectangle *item, const LMPoint *h,
                                const QPoint &d);
    // The frame as it was when the drag started.
    struct FrameAtPress {
        std::array<QPoint, 8> positions;
        std::array<quint16, 8> roles;
        QPoint centre;
        bool taken = false;
    };
    void rememberFrame(const LMGraphFuncDashedLineRectangle *item);
    void restoreFrame(LMGraphFuncDashedLineRectangle *item) const;

    FrameAtPress m_atPress;
    QPoint m_pressPos;
    bool m_pressed = false;
    bool m_allowRotate;
    bool m_applyOnOutsideClick = true;
    bool m_rotating = false;
    QPoint m_pressVector;
    int m_pressAngle = 0;
};
