#pragma once

#include <QObject>
#include <QPoint>

class QPainter;

// A handle point of a line or a selection frame. The role id is a bit set:
// 1 left, 2 right, 4 top, 8 bottom, 16 mid-edge; 32 and 64 the start and end
// of a straight line.
class LMPoint : public QObject {
public:
    enum Role : quint16 {
        Left = 1,
        Right = 2,
        Top = 4,
        Bottom = 8,
        MidEdge = 16,
        LineStart = 32,
        LineEnd = 64,
        // The eight handles of a selection frame.
        TopLeft = Top | Left,
        TopRight = Top | Right,
        BottomLeft = Bottom | Left,
        BottomRight = Bottom | Right,
        TopMid = Top | MidEdge,
        RightMid = Right | MidEdge,
        BottomMid = Bottom | MidEdge,
        LeftMid = Left | MidEdge,
    };
    static constexpr int HitRadius = 6;

    explicit LMPoint(QObject *parent = nullptr);
    LMPoint(const QPoint &pos, quint16 id, QObject *parent = nullptr);
    LMPoint(const LMPoint &other, QObject *parent);
    LMPoint &operator=(const LMPoint &other);
    bool operator==(const LMPoint &other) const;

    QPoint pos() const { return QPoint(x, y); }
    void setPos(const QPoint &p);
    void setId(quint16 role) { id = role; }
    void moveBy(const QPoint &d);
    // True within 6 pixels in both axes.
    bool hitTest(const QPoint &p) const;
    // A 6 x 6 white square with the painter's pen, never antialiased.
    void paint(QPainter *painter) const;

    int x = 0;
    int y = 0;
    quint16 id = 0;
};
