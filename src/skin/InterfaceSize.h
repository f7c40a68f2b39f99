#pragma once
// The factor a book's windows are drawn at, as its stored interface size choice and the
// screen make it. Every window of a process shares one factor, fixed before the first window
// exists, so it is worked out before the start proper: the choice takes effect at the next
// start.

#include <QString>

// The book at `bookPath` (a book folder, a disc folder or an image, as the command line names
// it) on the primary screen; an application object must exist. A book that cannot be read
// gets 1, for the start to report it. Leaves the process's global values as it found them.
double StoredInterfaceScale(const QString& bookPath, const QString& disc);
