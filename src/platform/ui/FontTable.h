#pragma once
// Fonts added for the run of the program (the book's "*.ttf"), removed at exit.

#include <string>
#include <vector>

namespace FontTable {

// Adds a font file (Windows name) for this process; false when it cannot be read.
bool AddFontResource(const std::string& windowsName);
bool RemoveFontResource(const std::string& windowsName);
std::vector<std::string> AddedFonts();

}  // namespace FontTable
