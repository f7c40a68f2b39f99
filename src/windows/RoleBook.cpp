#include "windows/RoleBook.h"

#include "app/Description.h"
#include "app/ResourcePack.h"
#include "platform/Globals.h"

namespace {

// The token after `key` and the '=' that follows it on the line; nothing without the '='.
bool TokenAfter(const std::string& line, const std::string& key, std::string& token) {
  const size_t at = line.find(key);
  if (at == std::string::npos) return false;
  const size_t eq = line.find('=', at + key.size());
  if (eq == std::string::npos) return false;
  token = ParseTokenAt(line, static_cast<int>(eq) + 2);
  return true;
}

// "helpwin" is followed by "vw", "vh" and "fn", each looked for from the line of the one
// before on; only fn counts.
std::string HelpFile(const TLines& lines, size_t line) {
  for (const char* key : {"vw", "vh"}) {
    while (line < lines.size() && lines[line].find(key) == std::string::npos) ++line;
  }
  while (line < lines.size() && lines[line].find("fn") == std::string::npos) ++line;
  std::string file;
  if (line >= lines.size() || !TokenAfter(lines[line], "fn", file)) return {};
  return ResolvePath(file);
}

}  // namespace

TRoleBook ReadRoleBook(const TLines& structLines, const TLines& titleLines) {
  TRoleBook book;
  for (size_t i = 0; i < structLines.size(); ++i) {
    const std::string& line = structLines[i];
    TokenAfter(line, "title", book.title);
    TokenAfter(line, "icon", book.icon);
    if (line.find("helpwin") != std::string::npos) book.helpFile = HelpFile(structLines, i);
  }
  for (const std::string& line : titleLines)
    if (!line.empty()) book.title = line;
  return book;
}

TRoleBook ReadRoleBook() {
  const std::string structName = Global.ProgramFolder + "Struct.txt";
  const std::string titleName = Global.ProgramFolder + "Title.txt";
  TLines structLines, titleLines;
  try {
    if (FileOrPackExists(structName)) structLines = ReadDescriptionLines(structName, true);
    if (FileOrPackExists(titleName)) titleLines = ReadDescriptionLines(titleName, false);
  } catch (const std::exception&) {
    // A picture window shows its file without the book's names.
  }
  return ReadRoleBook(structLines, titleLines);
}
