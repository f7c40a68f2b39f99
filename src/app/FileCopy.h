#pragma once
// Copying the book's files to the reader's folders. Sources may lie in the resource pack or on
// disk; targets replace existing files, and missing folders are made. A failed copy says what
// went wrong in `problem` (UTF-8, naming host files) when one is given.

#include <string>

namespace FileCopy {

// Windows names. False when the source cannot be read or the target not written; an existing
// target is left whole then.
bool CopyReplacing(const std::string& source, const std::string& target, std::string* problem = nullptr);
// Every file of the disk folder `folder` and its subfolders to `target` + its path below
// `base` (both Windows names ending in '\'). The other files are still copied after one
// fails; false when any failed.
bool CopyFolderTree(const std::string& folder, const std::string& base, const std::string& target,
                    std::string* problem = nullptr);
// A file for the desktop to open: `file` itself when it is on disk; a file held only in the
// pack is copied to the temporary folder under its own name first, once per run (a second
// pack file of that name goes to a folder of its own there). `file` when neither works.
std::string OnDiskForDesktop(const std::string& file);

}  // namespace FileCopy
