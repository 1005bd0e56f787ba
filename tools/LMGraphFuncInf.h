#pragma once

class QPainter;
class LMToolEnvironment;

// A drawn item still being edited on top of the page. The canvas paints it on
// every repaint and, on apply, commits it into the page raster and deletes it.
class LMGraphFuncInf {
public:
    virtual ~LMGraphFuncInf() = default;
    // Paints the item on the canvas widget, in widget pixels.
    virtual void paintPreview(QPainter *painter, LMToolEnvironment *view)
    {
        (void)painter;
        (void)view;
    }
    // Paints the item into the page raster; true when anything was drawn.
    virtual bool commit(QPainter *painter, LMToolEnvironment *view)
    {
        (void)painter;
        (void)view;
        return false;
    }
};
