#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The fitting tool ("screenadj"): fits the page picture to the paper or the frame.
class LMScreenMsgHandlerScreenAdjust : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerScreenAdjust(LMToolCanvas *view) : LMScreenMsgHandlerInf(view) {}
};
