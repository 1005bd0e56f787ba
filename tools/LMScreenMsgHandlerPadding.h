#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The margins tool ("padding").
class LMScreenMsgHandlerPadding : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerPadding(LMToolCanvas *view) : LMScreenMsgHandlerInf(view) {}
};
