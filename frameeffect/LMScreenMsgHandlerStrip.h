#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The strip tool ("strip"): the strip patterns for self-adhesive paper.
class LMScreenMsgHandlerStrip : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerStrip(LMToolCanvas *view) : LMScreenMsgHandlerInf(view) {}
};
