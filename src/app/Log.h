#pragma once
// Logging of failures the program swallows. Off by default; QT_LOGGING_RULES
// "skinbook.errors.warning=true" turns it on.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcErrors)
