#pragma once

#include <QPoint>
#include <Qt>

// Small geometric rules shared by the tools.
namespace LMToolGeometry {

// Distance from p to the segment p1-p2. Point distances are whole pixels
// (truncated), so the answer is deliberately coarse.
double segmentDistance(const QPoint &p1, const QPoint &p2, const QPoint &p);

// The resize cursor for a handle role of a frame turned by `angle` degrees;
// a role that is no handle gives the blank cursor.
Qt::CursorShape cursorForHandle(int role, int angle);

} // namespace LMToolGeometry
