#pragma once

#include "tools/frame/LMGraphFuncDashedLineRectangle.h"

#include <QRect>

// A figure drawn into its selection frame: pen, optional fill, and the figure
// of its kind in frame coordinates, so a turned frame turns the figure.
class LMGraphFuncShape : public LMGraphFuncDashedLineRectangle {
public:
    void paintPreview(QPainter *painter, LMToolEnvironment *view) override;
    bool commit(QPainter *painter, LMToolEnvironment *view) override;

    // Sets pen and brush and draws the figure; false without a frame to draw in.
    virtual bool drawBody(QPainter *painter, LMToolEnvironment *view);
    // The kind's own figure inside `rect` (frame coordinates, corners inclusive).
    virtual void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *view);

    QColor fillColour;
    bool filled = false;
};
