// The canvas's tools, one object per tool name.
#include "canvas/LMGraphView.h"

#include "frameeffect/LMScreenMsgHandlerBorder.h"
#include "frameeffect/LMScreenMsgHandlerStrip.h"
#include "outlines/LMScreenMsgHandlerArtFrame.h"
#include "tools/LMScreenMsgHandlerBasic.h"
#include "tools/LMScreenMsgHandlerClip.h"
#include "tools/LMScreenMsgHandlerEraser.h"
#include "tools/LMScreenMsgHandlerImg.h"
#include "tools/LMScreenMsgHandlerLine.h"
#include "tools/LMScreenMsgHandlerPadding.h"
#include "tools/LMScreenMsgHandlerPencil.h"
#include "tools/LMScreenMsgHandlerScreenAdjust.h"
#include "tools/LMScreenMsgHandlerShape.h"
#include "tools/LMScreenMsgHandlerTextAlongArc.h"

void LMGraphView::createTools()
{
    using Shape = LMScreenMsgHandlerShape;
    // The object name is the tool's identity: the palette buttons name it.
    const std::pair<const char *, LMScreenMsgHandlerInf *> tools[] = {
        {"basic", new LMScreenMsgHandlerBasic(this)},
        {"line", new LMScreenMsgHandlerLine(this)},
        {"rectangle", new Shape(this, Shape::Rectangle)},
        {"ellipse", new Shape(this, Shape::Ellipse)},
        {"img", new LMScreenMsgHandlerImg(this)},
        {"pencil", new LMScreenMsgHandlerPencil(this)},
        {"eraser", new LMScreenMsgHandlerEraser(this)},
        {"text", new LMScreenMsgHandlerText(this)},
        {"textalongarc", new LMScreenMsgHandlerTextAlongArc(this)},
        {"clip", new LMScreenMsgHandlerClip(this)},
        {"roundrectangle", new Shape(this, Shape::RoundRectangle)},
        {"righttriangle", new Shape(this, Shape::RightTriangle)},
        {"triangle", new Shape(this, Shape::Triangle)},
        {"rhombus", new Shape(this, Shape::Rhombus)},
        {"ls", new LMScreenMsgHandlerArtFrame(this)},
        {"border", new LMScreenMsgHandlerBorder(this)},
        {"strip", new LMScreenMsgHandlerStrip(this)},
        {"padding", new LMScreenMsgHandlerPadding(this)},
        {"screenadj", new LMScreenMsgHandlerScreenAdjust(this)},
    };
    for (const auto &[name, tool] : tools)
        tool->setObjectName(QLatin1String(name));
}
