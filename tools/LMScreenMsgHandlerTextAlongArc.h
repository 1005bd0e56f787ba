#pragma once

#include "tools/LMScreenMsgHandlerText.h"

// The arc text tool ("textalongarc"): lettering laid along an arc.
class LMScreenMsgHandlerTextAlongArc : public LMScreenMsgHandlerText {
public:
    explicit LMScreenMsgHandlerTextAlongArc(LMGraphView *view) : LMScreenMsgHandlerText(view) {}
};
