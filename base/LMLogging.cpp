#include "base/LMLogging.h"

Q_LOGGING_CATEGORY(lcApp, "lumetra.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCanvas, "lumetra.canvas", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTools, "lumetra.tools", QtWarningMsg)
Q_LOGGING_CATEGORY(lcOutlines, "lumetra.outlines", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFrame, "lumetra.frame", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCapture, "lumetra.capture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpdate, "lumetra.update", QtWarningMsg)
