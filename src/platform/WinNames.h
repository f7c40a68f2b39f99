#pragma once
// Windows names (Windows-1251 bytes) as the book's data writes them: letter case, separators,
// file name, folder and extension parts. Every part of the program takes names apart here, so
// that two places never disagree on where a name's folder ends or how it is compared.

#include <string>
#include <string_view>

// ASCII letters 'A'..'Z' to lower case; every other byte unchanged. Descriptions and commands
// are compared this way.
std::string AsciiLower(std::string text);
// Latin and Cyrillic letters to lower case, as Windows folds file names.
std::string NameLower(std::string_view name);
// Two names that differ at most in the case of their letters, Cyrillic included.
bool SameName(std::string_view a, std::string_view b);

// The last '\', '/' or ':' of `name`; npos when it has none.
size_t LastSeparator(std::string_view name);
// What follows the last separator (the whole name when there is none).
std::string FileNamePart(std::string_view name);
// Up to and including the last separator; empty when there is none.
std::string FolderPart(std::string_view name);
// The extension with its dot, spelt as written; empty when the file name part has no dot.
std::string FileExtension(std::string_view name);
// The name without the extension FileExtension returns.
std::string WithoutExtension(std::string_view name);

// The key under which a page counts as visited: its full name, letters folded.
std::string VisitedKey(std::string_view expandedName);
