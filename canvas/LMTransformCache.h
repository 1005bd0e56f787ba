#pragma once

#include <QPoint>
#include <QRectF>
#include <QTransform>

#include <array>

// What the canvas's ten matrices are made of.
struct LMTransformInputs {
    QRectF outlineBounds;    // bounding rectangle of the outline path, outline units
    int outlineRotation = 0; // whole degrees
    QPoint outlineOffset;    // outline origin on the page, document pixels
    double zoom = 1.0;
    int rasterHeight = 0;
};

// The canvas's matrices, computed on demand and kept until invalidated.
//   0 outline rotation about the outline's centre   1 its inverse
//   2 document to widget                            3 its inverse
//   4 strip sheet: rotate -90 then down by the page 5 its inverse
//   6 outline to document (0, then the offset)      7 its inverse
//   8 outline to widget (6, then 2)                 9 its inverse
class LMTransformCache {
public:
    static constexpr int Count = 10;
    static constexpr int DocMargin[2] = {20, 25}; // page offset inside the widget, document pixels

    const QTransform &get(int index, const LMTransformInputs &in);
    void invalidate() { m_valid = 0; }
    bool isValid(int index) const { return (m_valid >> index) & 1u; }

    // The integer widget-to-document mapping used for pointer events:
    // each coordinate truncated toward zero.
    static QPoint widgetToDocument(const QPoint &widget, double zoom);

private:
    QTransform compute(int index, const LMTransformInputs &in);

    std::array<QTransform, Count> m_matrices;
    quint32 m_valid = 0;
};
