#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The image tool ("img"): places a picture in a frame on the page.
class LMScreenMsgHandlerImg : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerImg(LMGraphView *view) : LMScreenMsgHandlerInf(view) {}
};
