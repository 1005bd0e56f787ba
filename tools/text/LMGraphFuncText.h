#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QFont>
#include <QLineF>
#include <QPainterPath>

// Lettering typed into a field: glyph outlines filled with the fill colour,
// with an optional edge in the frame's pen colour, clipped to the field.
class LMGraphFuncText : public LMGraphFuncShape {
public:
    // A field without visible lettering draws nothing, so it is no step.
    bool commit(QPainter *painter, LMToolEnvironment *view) override;
    // The lettering, its frame and the caret.
    void paintPreview(QPainter *painter, LMToolEnvironment *view) override;
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *view) override;
    // Rebuilds the glyphs from the text; with `grow` the field grows downwards
    // (never shrinks) until every line fits.
    virtual void layoutText(bool grow);
    // Moves the handles to frame the field `field` (frame coordinates).
    void setField(const QRect &field);

    // --- editing at the caret, which stands before a character of `text`
    enum CaretMove { PreviousCharacter, NextCharacter, LineStart, LineEnd };
    int caretIndex() const;
    void moveCaret(CaretMove move);
    // Inserts at the caret; control characters (Escape, tab, ...) are dropped.
    void insertAtCaret(const QString &typed);
    // Return: a new line at the caret.
    void breakLine();
    // Removes the character before the caret, or after it when `forward`.
    void eraseAtCaret(bool forward);

    QString text;
    int caret = -1; // before this character; -1 keeps it at the end
    QFont font;
    bool stroke = false;
    QPainterPath glyphs;
    bool rotate = false;

protected:
    virtual bool clipsToField() const { return true; }
    // The caret in frame coordinates.
    virtual QLineF caretLine() const;

private:
    void insertRaw(const QString &clean);
};
