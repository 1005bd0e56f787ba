#pragma once

#include <QLoggingCategory>

// One category per room. Their trace lines are off by default and switched
// on with QT_LOGGING_RULES, for example "lumetra.canvas.debug=true"; warnings
// always show.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcCanvas)
Q_DECLARE_LOGGING_CATEGORY(lcTools)
Q_DECLARE_LOGGING_CATEGORY(lcOutlines)
Q_DECLARE_LOGGING_CATEGORY(lcFrame)
Q_DECLARE_LOGGING_CATEGORY(lcCapture)
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)
