#pragma once

#include "tools/LMScreenMsgHandlerInf.h"

// The frame-effect tool ("border").
class LMScreenMsgHandlerBorder : public LMScreenMsgHandlerInf {
public:
    explicit LMScreenMsgHandlerBorder(LMToolCanvas *view) : LMScreenMsgHandlerInf(view) {}
};
