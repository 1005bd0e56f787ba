#include "app/LMToolTable.h"

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

#include <QAbstractButton>
#include <QSet>

namespace LMToolTable {

namespace {
template <class Tool> LMScreenMsgHandlerInf *make(LMToolEnvironment *env)
{
    return new Tool(env);
}

std::function<LMScreenMsgHandlerInf *(LMToolEnvironment *)>
shape(LMScreenMsgHandlerShape::Kind kind)
{
    return [kind](LMToolEnvironment *env) { return new LMScreenMsgHandlerShape(env, kind); };
}
} // namespace

const std::vector<Entry> &entries()
{
    using Shape = LMScreenMsgHandlerShape;
    static const std::vector<Entry> table = {
        {"ls", make<LMScreenMsgHandlerArtFrame>, "b0", 3},
        {"border", make<LMScreenMsgHandlerBorder>, "b1", 5},
        {"strip", make<LMScreenMsgHandlerStrip>, "b2", 4},
        {"basic", make<LMScreenMsgHandlerBasic>, "d01", 8},
        {"clip", make<LMScreenMsgHandlerClip>, "d04", 55},
        {"line", make<LMScreenMsgHandlerLine>, "d00", 7},
        {"rectangle", shape(Shape::Rectangle), "d02", 9},
        {"roundrectangle", shape(Shape::RoundRectangle), "d05", 62},
        {"ellipse", shape(Shape::Ellipse), "d03", 10},
        {"rhombus", shape(Shape::Rhombus), "d15", 63},
        {"pencil", make<LMScreenMsgHandlerPencil>, "d11", 12},
        {"eraser", make<LMScreenMsgHandlerEraser>, "d12", 14},
        {"text", make<LMScreenMsgHandlerText>, "d13", 15},
        // Its table line is the text tool's: the window gives it a tip of its own.
        {"textalongarc", make<LMScreenMsgHandlerTextAlongArc>, "d14", -1},
        {"img", make<LMScreenMsgHandlerImg>, "d10", 11},
        {"screenadj", make<LMScreenMsgHandlerScreenAdjust>, "d16", 75},
        {"padding", make<LMScreenMsgHandlerPadding>, "btn_padding", -1},
    };
    return table;
}

void createTools(LMGraphView *canvas)
{
    for (const Entry &entry : entries()) {
        LMScreenMsgHandlerInf *tool = entry.make(canvas->toolEnvironment());
        tool->setObjectName(QLatin1String(entry.id));
    }
}

QStringList mismatches(const QWidget *window)
{
    QStringList found;
    QSet<QString> ids;
    for (const Entry &entry : entries()) {
        ids.insert(QLatin1String(entry.id));
        const auto *button = window->findChild<QAbstractButton *>(QLatin1String(entry.button));
        if (!button)
            found << QStringLiteral("tool \"%1\" has no button %2")
                         .arg(QLatin1String(entry.id), QLatin1String(entry.button));
        else if (button->property("func").toString() != QLatin1String(entry.id))
            found << QStringLiteral("button %1 names \"%2\", not tool \"%3\"")
                         .arg(QLatin1String(entry.button), button->property("func").toString(),
                              QLatin1String(entry.id));
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString func = button->property("func").toString();
        if (!func.isEmpty() && !ids.contains(func))
            found << QStringLiteral("button %1 names \"%2\", which is no tool")
                         .arg(button->objectName(), func);
    }
    return found;
}

} // namespace LMToolTable
