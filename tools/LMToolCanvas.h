#pragma once

#include "model/LMTransformCache.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QObject>
#include <QPoint>
#include <QRect>

class LMArtFrameFactory;
class LMFrameTextSettings;
class LMViewFlags;
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

    // --- margins, in millimetres
    void margins(double &left, double &top, double &right, double &bottom) const;
    void setMargins(double left, double top, double right, double bottom);
    void setMarginToolActive(bool on);

    // --- the frame effect (the frame tools and their panel)
    const LMViewFlags &flags() const;
    // The ring the frame effect fills, in outline units.
    QPainterPath framePath() const;
    QString textureName() const;
    QColor frameColor() const;
    QColor sideColor() const;
    void setTexture(const QString &name);
    void setFrameColor(const QColor &colour);
    void setFramePicture(const QImage &picture);
    void setSideColor(const QColor &colour);
    void setTextureTiling(bool tiled, int percent);
    void setFrameEffectOn(bool on);
    void setFrameTextOn(bool on);
    void setFrameToolActive(bool on);
    void setFrameIndex(int level);
    void setStripCount(int count);
    void setStripType(bool thin);
    void setUseHeight(bool on);
    void setExpandToSides(bool on);
    void setStripMode(bool on);
    LMFrameTextSettings &frameText();
    void frameTextChanged();

Q_SIGNALS:
    void signal_zoomChanged();
    void signal_clipToOutlineChanged(bool on);
    void signal_frameSettingsChanged();

private:
    LMGraphView *m_canvas;
};
