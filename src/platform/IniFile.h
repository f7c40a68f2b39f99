#pragma once
// Entries of Windows INI files ("[section]" lines, then "key=value" lines), written the way the
// platform's profile functions write them: sections and keys are found without regard to ASCII
// letter case, an entry is replaced where it stands, a missing one is added at the end of its
// section, a missing section at the end of the file, and every other line is kept as it was.
// Texts are Windows-1251 bytes; lines end in CR LF.

#include <QString>
#include <optional>
#include <string>

namespace IniFile {

// Writes the file at once (a new file replaces the old one whole). False when it cannot be
// written; the old file is then left as it was.
bool WriteString(const QString& hostFile, const std::string& section, const std::string& key, const std::string& value);
// The value of an entry; nothing when the file, the section or the key is missing.
std::optional<std::string> ReadString(const QString& hostFile, const std::string& section, const std::string& key);

// The same on the text of a file, for those who hold it.
std::string WithEntry(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value);
std::optional<std::string> EntryOf(const std::string& text, const std::string& section, const std::string& key);

}  // namespace IniFile
