#pragma once

#include "canvas/LMTransformCache.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>

class LMArtFrameFactory;
class LMGraphFuncInf;
class LMGraphView;
class QCursor;
class QPainterPath;
class QWidget;

// What a tool sees of the canvas: its items still being edited, apply, the
// zoom and matrices, the cursor and repaints, and the outline's placement.
// Tools and their items work through this and nothing else of the canvas.
class LMToolCanvas : public QObject {
    Q_OBJECT
public:
    explicit LMToolCanvas(LMGraphView *canvas);

    // The widget the tool's events come from: for cursors, focus and filters.
    QWidget *widget() const;
    void update();
    void setCursor(const QCursor &cursor);
    // The modifier keys held with the key the tool is handling.
    Qt::KeyboardModifiers keyModifiers() const;

    // --- items drawn but not yet committed
    void addLiveItem(LMGraphFuncInf *item);
    LMGraphFuncInf *lastLiveItem() const;
    bool apply();

    // --- page and view
    double zoom() const;
    const QTransform &transform(Matrix::Id matrix);
    QRect pageRect() const;
    // The page as it is now (shared, not copied).
    QImage pageImage() const;

    // --- the pouch outline
    LMArtFrameFactory *catalogue() const;
    const QPainterPath &outlinePath() const;
    QPoint outlineOffset() const;
    void setOutlineOffset(const QPoint &offset);
    int outlineRotation() const;
    void setOutlineRotation(int degrees);
    bool clipToOutline() const;
    void setClipToOutline(bool on);
    void setOutlineEditing(bool on);

    // The design changed in a way the page raster does not show.
    void markModified();

Q_SIGNALS:
    void signal_zoomChanged();
    void signal_clipToOutlineChanged(bool on);

private:
    LMGraphView *m_canvas;
};
