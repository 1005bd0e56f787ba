#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The outline tool ("ls"): places the pouch window on the page.
class LMScreenMsgHandlerArtFrame : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerArtFrame(LMGraphView *view) : LMScreenMsgHandlerInf(view) {}
};
