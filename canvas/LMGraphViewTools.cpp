// The canvas's tools, one object per tool name.
#include "canvas/LMGraphView.h"

#include "frameeffect/LMScreenMsgHandlerBorder.h"
#include "frameeffect/LMScreenMsgHandlerStrip.h"
#include "outlines/LMScreenMsgHandlerArtFrame.h"
#include "tools/LMScreenMsgHandlerBasic.h"
#include "tools/LMScreenMsgHandlerPadding.h"
#include "tools/frame/LMScreenMsgHandlerClip.h"
#include "tools/frame/LMScreenMsgHandlerImg.h"
#include "tools/frame/LMScreenMsgHandlerScreenAdjust.h"
#include "tools/frame/LMScreenMsgHandlerShape.h"
#include "tools/stroke/LMScreenMsgHandlerEraser.h"
#include "tools/stroke/LMScreenMsgHandlerLine.h"
#include "tools/stroke/LMScreenMsgHandlerPencil.h"
#include "tools/text/LMScreenMsgHandlerTextAlongArc.h"

void LMGraphView::createTools()
{
    using Shape = LMScreenMsgHandlerShape;
    // The object name is the tool's identity: the palette buttons name it.
    const std::pair<const char *, LMScreenMsgHandlerInf *> tools[] = {
        {"basic", new LMScreenMsgHandlerBasic(m_toolCanvas)},
        {"line", new LMScreenMsgHandlerLine(m_toolCanvas)},
        {"rectangle", new Shape(m_toolCanvas, Shape::Rectangle)},
        {"ellipse", new Shape(m_toolCanvas, Shape::Ellipse)},
        {"img", new LMScreenMsgHandlerImg(m_toolCanvas)},
        {"pencil", new LMScreenMsgHandlerPencil(m_toolCanvas)},
        {"eraser", new LMScreenMsgHandlerEraser(m_toolCanvas)},
        {"text", new LMScreenMsgHandlerText(m_toolCanvas)},
        {"textalongarc", new LMScreenMsgHandlerTextAlongArc(m_toolCanvas)},
        {"clip", new LMScreenMsgHandlerClip(m_toolCanvas)},
        {"roundrectangle", new Shape(m_toolCanvas, Shape::RoundRectangle)},
        {"righttriangle", new Shape(m_toolCanvas, Shape::RightTriangle)},
        {"triangle", new Shape(m_toolCanvas, Shape::Triangle)},
        {"rhombus", new Shape(m_toolCanvas, Shape::Rhombus)},
        {"ls", new LMScreenMsgHandlerArtFrame(m_toolCanvas)},
        {"border", new LMScreenMsgHandlerBorder(m_toolCanvas)},
        {"strip", new LMScreenMsgHandlerStrip(m_toolCanvas)},
        {"padding", new LMScreenMsgHandlerPadding(m_toolCanvas)},
        {"screenadj", new LMScreenMsgHandlerScreenAdjust(m_toolCanvas)},
    };
    for (const auto &[name, tool] : tools)
        tool->setObjectName(QLatin1String(name));
}
