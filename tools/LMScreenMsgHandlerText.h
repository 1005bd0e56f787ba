#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The text tool ("text"): lettering typed into a field.
class LMScreenMsgHandlerText : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerText(LMGraphView *view) : LMScreenMsgHandlerInf(view) {}
};
