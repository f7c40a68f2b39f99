#include "platform/ui/SkinFont.h"

#include "platform/Cp1251.h"
#include "platform/WinNames.h"

QFont FontFromStyleWords(const std::string& name, int points, const std::string& styleWords) {
  QFont font(FromCp1251(name));
  if (points > 0) font.setPointSize(points);
  const std::string style = AsciiLower(styleWords);
  const auto has = [&style](const char* word) { return style.find(word) != std::string::npos; };
  font.setBold(has("bold"));
  font.setItalic(has("italic"));
  font.setUnderline(has("underline"));
  font.setStrikeOut(has("strikeout"));
  return font;
}
