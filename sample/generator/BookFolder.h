#pragma once
// The folder of the book's pages: the pages themselves and every file they link to.

#include "SkinLayout.h"

#include <QDir>

// Folder name inside the pack; the pages' links are relative to it.
inline const char* const kPageFolder = "man";

// `sound` is reused for the page that plays a sound; `clipPanel` is the size of the clip panel
// the engine clip plays in.
void WriteBookFolder(const QDir& out, const SkinSound& sound, QSize clipPanel);
