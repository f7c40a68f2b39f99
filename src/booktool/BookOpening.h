#pragma once
// Opening a book given on the command line the way the program does: a book folder, a disc
// folder or a disc image; then its resource pack.

#include <string>

// Sets the book's folders (Global). Throws InputError when `arg` names no folder or image.
void SetBookFolders(const std::string& arg);
// Opens the book's "interface.dat" when there is one. Throws InputError when it cannot be read
// or is damaged; without a pack every file comes from the disk.
void OpenBookPack();
