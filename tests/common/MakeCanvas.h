#pragma once

#include "app/LMToolTable.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"

// A canvas with a design of its own and every tool, as the window builds
// them, without the window. The design goes with the canvas.
inline LMGraphView *makeCanvas(LMArtFrameFactory *catalogue = nullptr)
{
    auto *design = new LMDesign(catalogue);
    auto *canvas = new LMGraphView(design);
    design->setParent(canvas);
    LMToolTable::createTools(canvas);
    canvas->setHandlerByName(QStringLiteral("basic"));
    return canvas;
}
