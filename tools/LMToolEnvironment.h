#pragma once

#include "model/LMTransformCache.h"

#include <QCursor>
#include <QRect>
#include <Qt>

class LMDesign;
class LMGraphFuncInf;
class QWidget;

// What a tool sees of the canvas: the design, its items still being edited,
// apply, the zoom and matrices, the cursor and repaints, and the switches
// that change how the canvas shows the design while the tool is current.
// The canvas implements it; tools and their items know nothing else of it.
class LMToolEnvironment {
public:
    virtual ~LMToolEnvironment() = default;

    virtual LMDesign &design() = 0;
    // The widget the tool's events come from: for focus, event filters and
    // as the parent of the tool itself.
    virtual QWidget *widget() = 0;
    virtual void update() = 0;
    virtual void setCursor(const QCursor &cursor) = 0;
    // The modifier keys held with the key or pointer event the tool is handling.
    virtual Qt::KeyboardModifiers keyModifiers() const = 0;

    // --- items drawn but not yet committed
    virtual void addLiveItem(LMGraphFuncInf *item) = 0;
    virtual LMGraphFuncInf *lastLiveItem() const = 0;
    // Commits the live items into the page; true when something was drawn.
    virtual bool apply() = 0;

    // --- the view
    virtual double zoom() const = 0;
    virtual const QTransform &transform(Matrix::Id matrix) = 0;
    // The part of the page in view, in document pixels; the whole page when
    // none of it is.
    virtual QRect visiblePagePart() = 0;

    // A short note shown beside the pointer at `widgetPos`; empty hides it.
    virtual void setReadout(const QString &text, const QPoint &widgetPos) = 0;

    // --- how the canvas shows the design while a tool is current
    virtual void setOutlineEditing(bool on) = 0;
    virtual void setFrameToolActive(bool on) = 0;
    virtual void setMarginToolActive(bool on) = 0;
    // The strip sheet instead of the page.
    virtual void setStripMode(bool on) = 0;
};
