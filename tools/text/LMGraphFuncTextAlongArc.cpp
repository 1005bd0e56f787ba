#include "tools/text/LMGraphFuncTextAlongArc.h"

#include "tools/text/LMTextLayout.h"

void LMGraphFuncTextAlongArc::layoutText(bool)
{
    glyphs = QPainterPath();
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    // Nothing typed may vanish: the field widens until its arc holds it all,
    // also after the user made it narrower.
    const QRect field(*tl, *br);
    const QRect wide = LMTextLayout::arcFieldFor(text, font, field);
    if (wide != field)
        setField(wide);
    glyphs = LMTextLayout::arcGlyphs(text, font, wide, rotate);
}

QLineF LMGraphFuncTextAlongArc::caretLine() const
{
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return QLineF();
    return LMTextLayout::arcCaret(text, font, QRect(*tl, *br), rotate, caretIndex());
}
