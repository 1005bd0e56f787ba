#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QFont>
#include <QPainterPath>

// Lettering typed into a field: glyph outlines filled with the fill colour,
// with an optional edge in the frame's pen colour, clipped to the field.
class LMGraphFuncText : public LMGraphFuncShape {
public:
    // A field without visible lettering draws nothing, so it is no step.
    bool commit(QPainter *painter, LMToolCanvas *view) override;
    void drawItem(QPainter *painter, const QRect &rect, LMToolCanvas *view) override;
    // Rebuilds the glyphs from the text; with `grow` the field grows downwards
    // (never shrinks) until every line fits.
    virtual void layoutText(bool grow);

    QString text;
    QFont font;
    bool stroke = false;
    QPainterPath glyphs;
    bool rotate = false;

protected:
    virtual bool clipsToField() const { return true; }
};
