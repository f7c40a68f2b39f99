#pragma once
// Finding the top-level windows of the program's processes by their captions (on the window
// bus).

#include "platform/ui/WindowBus.h"

#include <QString>
#include <vector>

// The visible windows, most recently activated first, whose captions equal `title` without
// regard to letter case (only the first 127 characters count); windows without a caption are
// passed over.
std::vector<TBusWindow> FindTopWindowsByTitle(const QString& title);
// The first of them; 0 when there is none.
TWindowHandle FindTopWindowByTitle(const QString& title);
// The system's own window search: the whole caption, letter case ignored, hidden windows
// included; 0 when there is none.
TWindowHandle FindWindowByTitle(const QString& title);
