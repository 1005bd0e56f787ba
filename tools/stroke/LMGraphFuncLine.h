#pragma once

#include "tools/LMGraphFuncInf.h"

#include <QColor>
#include <QList>
#include <QPen>

class LMPoint;

// A straight line still being edited, in widget pixels, with its two end handles.
class LMGraphFuncLine : public LMGraphFuncInf {
public:
    ~LMGraphFuncLine() override;

    void paintPreview(QPainter *painter, LMToolEnvironment *view) override;
    bool commit(QPainter *painter, LMToolEnvironment *view) override;

    // Both ends, apart from each other.
    bool isDrawable() const;
    QPen pen() const;

    QList<LMPoint *> points; // start (role 32), end (role 64); owned
    LMPoint *grabbed = nullptr;
    QColor colour = Qt::blue;
    double width = 3.0; // widget pixels: the tool's width times the zoom
};
