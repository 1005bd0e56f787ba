#pragma once

#include "tools/text/LMGraphFuncText.h"

// Lettering spaced evenly along the upper half of an ellipse, optionally
// turned to follow it. Not clipped to its field, which widens to hold the
// whole text.
class LMGraphFuncTextAlongArc : public LMGraphFuncText {
public:
    void layoutText(bool grow) override;

protected:
    bool clipsToField() const override { return false; }
    QLineF caretLine() const override;
};
