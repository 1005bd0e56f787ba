#include "tools/text/LMGraphFuncTextAlongArc.h"

#include "tools/text/LMTextLayout.h"

void LMGraphFuncTextAlongArc::layoutText(bool)
{
    glyphs = QPainterPath();
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    glyphs = LMTextLayout::arcGlyphs(text, font, QRect(*tl, *br), rotate);
}

QLineF LMGraphFuncTextAlongArc::caretLine() const
{
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return QLineF();
    return LMTextLayout::arcCaret(text, font, QRect(*tl, *br), rotate, caretIndex());
}
