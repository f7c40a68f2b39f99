#pragma once
// What a picture window reads of its book: the title, the icon and the help file named in
// "Struct.txt", then the title of "Title.txt". Nothing else of the skin applies to it.

#include "app/DescriptionSyntax.h"

#include <string>

struct TRoleBook {
  std::string title;     // "Title.txt"'s last non-empty line, else "title" of "Struct.txt"
  std::string icon;      // under the program folder; empty when none
  std::string helpFile;  // "helpwin" fn, path-resolved; empty when none
};

// `structLines` lower-cased; `titleLines` as "Title.txt" has them (none when it is missing).
TRoleBook ReadRoleBook(const TLines& structLines, const TLines& titleLines);
// The book in Global.ProgramFolder, on disk or in the pack.
TRoleBook ReadRoleBook();
