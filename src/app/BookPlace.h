#pragma once
// Where the book to open lies: what the reader named on the command line, made into a book
// folder and the folder that stands for its disc.

#include <QString>

struct TBookPlace {
  QString book;  // the folder holding "interface.dat" or "Struct.txt"
  QString disc;  // the disc's folder; empty: worked out from the book folder
};

// Whether `folder` holds "Struct.txt" or "interface.dat" (letter case ignored).
bool HoldsBook(const QString& folder);

// `path` is a book folder, a disc folder whose "run" folder holds the book, or a disc image
// (".iso"), which becomes the disc. `disc` is the disc folder the reader gave, if any. Throws
// EDataError saying what is wrong with `path` (missing, not a folder, unreadable, a damaged
// image). A folder that holds no book is returned as it is, for the start to say so.
TBookPlace LocateBook(const QString& path, const QString& disc);
