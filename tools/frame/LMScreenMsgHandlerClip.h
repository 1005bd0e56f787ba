#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The select tool ("clip"): copies or lifts a region of the page.
class LMScreenMsgHandlerClip : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerClip(LMToolCanvas *view) : LMScreenMsgHandlerInf(view) {}
};
