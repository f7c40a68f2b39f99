#pragma once
// The user's private folder for what the program's processes share while they run (named
// guards, the window bus).

#include <QString>

// Under XDG_RUNTIME_DIR, else in the temporary folder, named after the user.
QString RuntimeFolder();

// Creates `folder` and its missing parents; the folder itself gets mode 0700. False when it
// cannot be made, is no folder, or belongs to another user: nothing of ours may go there.
bool MakePrivateFolder(const QString& folder);
