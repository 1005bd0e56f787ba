#pragma once

#include "tools/LMGraphFuncInf.h"
#include "tools/LMPoint.h"

#include <QColor>
#include <QTransform>
#include <QVector>

#include <array>
#include <optional>

// The selection frame item: eight handles around a centre, turned by a whole
// angle. Handle positions are frame coordinates: widget pixels relative to the
// centre, before rotation. The frame itself never changes the page.
class LMGraphFuncDashedLineRectangle : public LMGraphFuncInf {
public:
    // Vector positions of the handles and their roles at rest.
    enum Position {
        TopLeft,
        TopMid,
        TopRight,
        RightMid,
        BottomRight,
        BottomMid,
        BottomLeft,
        LeftMid
    };
    static constexpr quint16 RestRoles[8] = {
        LMPoint::TopLeft,     LMPoint::TopMid,    LMPoint::TopRight,   LMPoint::RightMid,
        LMPoint::BottomRight, LMPoint::BottomMid, LMPoint::BottomLeft, LMPoint::LeftMid};
    // The frame's own matrices; frame coordinates are widget pixels about the
    // centre, before rotation.
    enum FrameMatrix { Rotation, RotationInverse, FrameToWidget, WidgetToFrame };

    ~LMGraphFuncDashedLineRectangle() override;

    void paintPreview(QPainter *painter, LMToolEnvironment *view) override;
    bool commit(QPainter *painter, LMToolEnvironment *view) override;

    const QTransform &GetMatrix(FrameMatrix index);
    void invalidateMatrices() { matrixValid = 0; }

    std::optional<QPoint> handlePos(quint16 role) const;
    LMPoint *handle(quint16 role) const;
    bool hasHandles() const { return handles.size() == 8; }
    // The eight handles at the given frame positions, in vector order.
    void createHandles(const std::array<QPoint, 8> &positions);
    void deleteHandles();
    void updateMidHandles();
    // Keeps every handle inside the widget rectangle `r`; rotation is ignored.
    void clampInto(const QRect &r);
    // Inside the frame, corners included (frame coordinates).
    bool contains(const QPoint &local) const;
    // Within `band` pixels outside the frame, or inside it.
    bool withinBand(const QPoint &local, int band) const;

    QColor colour = Qt::blue;
    double width = 3.0;
    int angle = 0; // whole degrees, 0..359
    quint8 matrixValid = 0;
    int centreX = 0;
    int centreY = 0;
    std::array<QTransform, 4> matrices;
    QVector<LMPoint *> handles; // owned
    LMPoint *grabbed = nullptr;
};
