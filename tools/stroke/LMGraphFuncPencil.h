#pragma once

#include "tools/LMGraphFuncInf.h"

#include <QColor>
#include <QPainterPath>
#include <QPen>

// A free-hand stroke in widget pixels.
class LMGraphFuncPencil : public LMGraphFuncInf {
public:
    void paintPreview(QPainter *painter, LMToolEnvironment *view) override;
    // False for an empty stroke or a click without movement.
    bool commit(QPainter *painter, LMToolEnvironment *view) override;
    QPen pen() const;

    QPainterPath path;
    QColor colour;
    double width = 3.0; // widget pixels
};
