#include "search/MakeTesaurusFind.h"

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "app/TextValues.h"
#include "platform/Cp1251.h"
#include "search/MakeFind.h"

void TMakeTesaurusFind::SetFolder(const std::string& path) {
  folder_ = path;
  if (!folder_.empty() && folder_.back() == '\\') folder_.pop_back();
}

bool TMakeTesaurusFind::IndexExists() const { return FileOrPackExists(folder_ + '\\' + IndexFile); }

bool TMakeTesaurusFind::Lookup(const std::string& word, std::string& target) const {
  if (!IndexExists()) return false;
  TMemoryStream stream;
  try {
    stream = TComprStream(folder_ + '\\' + IndexFile);
  } catch (const std::exception&) {
    if (OnWarning) OnWarning(std::string("Индексный файл не найден (") + IndexFile + ")");
    return false;
  }
  const QString wanted = FromCp1251(std::string(TrimBlanks(word))).toLower();
  std::string line;
  for (bool more = true; more;) {
    more = ReadIndexLine(stream, line);
    const std::vector<std::string> parts = SplitByDelimiter("~", line);
    if (!word.empty() && (parts.empty() || FromCp1251(parts[0]).toLower() != wanted)) continue;
    if (parts.size() < 2) return false;
    target = TrimBlanks(parts[1]);
    return !target.empty();
  }
  return false;
}
