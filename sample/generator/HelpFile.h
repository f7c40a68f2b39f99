#pragma once
// The book's help: one HTML page whose anchors are the topics F1 asks for on the title
// screen, on the reading screen and in the print preview.

#include <QByteArray>

inline const char* const kHelpFile = "help.htm";

QByteArray HelpPage();
