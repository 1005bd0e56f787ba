#pragma once

#include "model/LMDocument.h"

class QPainterPath;

// New designs as plain values, for the command line, which has no canvas:
// what a new window starts with (Letter, landscape, the first outline in
// the middle), and a picture imported as a new design.
namespace LMNewDesign {

LMDocument blank(const QPainterPath &firstOutline);

// The picture at the page's corner at its own size, or scaled down with its
// proportions until it fits.
LMDocument fromPicture(const QImage &picture, const QPainterPath &firstOutline);

} // namespace LMNewDesign
