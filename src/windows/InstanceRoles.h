#pragma once
// What the main window and the picture windows ask of the book's other windows: the help
// topic of F1 and, before the main window folds away, the closing of every other window of
// the book.

#include "app/CommandLine.h"

#include <functional>
#include <string>

class QWidget;

// F1 in `window` for `topic`. A picture window asks the book's main window (found by
// Global.BookTitle) to show its help; the thesaurus window has none. The main role shows the
// topic of `helpFile` (the "helpwin" file) and brings a help viewer's window forward.
void RequestHelp(TRole role, const std::string& helpFile, const std::string& topic, QWidget* window);

// Closes, in this order, the thesaurus window, the wiring-diagram program and the help
// viewers, then runs `closeOwnDialogs`, then closes every picture window of the book other
// than `self`. A window that does not go is asked once.
void CloseOtherWindows(QWidget* self, const std::function<void()>& closeOwnDialogs);
