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

// The canvas's ten matrices; each odd one is the inverse of the one before.
namespace Matrix {
enum Id : int {
    OutlineRotation,        // the outline turned about its centre
    OutlineRotationInverse, //
    DocToWidget,            // document pixels to widget pixels
    WidgetToDoc,            //
    StripSheet,             // rotate -90 degrees, then down by the page's height
    StripSheetInverse,      //
    OutlineToDoc,           // outline units to the page (rotation, then the offset)
    DocToOutline,           //
    OutlineToWidget,        // outline units to widget pixels (OutlineToDoc, then DocToWidget)
    WidgetToOutline,        //
    Count
};
}

// The canvas's matrices, computed on demand and kept until invalidated.
class LMTransformCache {
public:
    static constexpr int Count = Matrix::Count;
    static constexpr int DocMargin[2] = {20, 25}; // page offset inside the widget, document pixels

    const QTransform &get(Matrix::Id index, const LMTransformInputs &in);
    void invalidate() { m_valid = 0; }
    bool isValid(Matrix::Id index) const { return (m_valid >> index) & 1u; }

    // The integer widget-to-document mapping used for pointer events:
    // each coordinate truncated toward zero.
    static QPoint widgetToDocument(const QPoint &widget, double zoom);

private:
    QTransform compute(Matrix::Id index, const LMTransformInputs &in);

    std::array<QTransform, Count> m_matrices;
    quint32 m_valid = 0;
};
