#include "app/Log.h"

// Only critical messages pass by default, so qCWarning(lcErrors) stays silent until enabled.
Q_LOGGING_CATEGORY(lcErrors, "skinbook.errors", QtCriticalMsg)
