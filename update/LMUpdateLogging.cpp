#include "app/LMLogging.h"

// Defined with the update client, which builds without the rest of the program.
Q_LOGGING_CATEGORY(lcUpdate, "lumetra.update", QtWarningMsg)
