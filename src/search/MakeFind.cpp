#include "search/MakeFind.h"

#include "app/ComprStream.h"
#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "app/TextValues.h"
#include "platform/WinNames.h"

#include <set>

namespace {

const std::string kFileSeparator = "#:#";

}  // namespace

bool ReadIndexLine(TMemoryStream& stream, std::string& line) {
  line.clear();
  const std::string& data = stream.Data();
  size_t pos = stream.Position();
  while (pos < data.size()) {
    const char c = data[pos++];
    if (c == '\r') {
      stream.SetPosition(pos);
      return true;
    }
    if (c != '\n') line.push_back(c);
  }
  stream.SetPosition(pos);
  return false;
}

std::vector<std::string> SplitByDelimiter(const std::string& delimiter, const std::string& text) {
  std::vector<std::string> pieces;
  if (delimiter.empty()) {
    if (!text.empty()) pieces.push_back(text);
    return pieces;
  }
  size_t start = 0;
  for (size_t at = text.find(delimiter); at != std::string::npos; at = text.find(delimiter, start)) {
    const std::string_view piece = TrimBlanks(std::string_view(text).substr(start, at - start));
    if (!piece.empty()) pieces.emplace_back(piece);
    start = at + delimiter.size();
  }
  const std::string rest = text.substr(start);
  if (!rest.empty() || pieces.size() == 1) pieces.push_back(rest);
  return pieces;
}

void TMakeFind::SetFolder(const std::string& path) {
  folder_ = path;
  if (!folder_.empty() && folder_.back() == '\\') folder_.pop_back();
}

bool TMakeFind::IndexExists() const {
  for (const char* name : {KeywordsFile, IndexFile, FilesFile})
    if (!FileOrPackExists(folder_ + '\\' + name)) return false;
  return true;
}

void TMakeFind::Tell(const std::string& text, bool warning) const {
  if (OnMessage) OnMessage(text, warning);
}

bool TMakeFind::Open(const char* name, TMemoryStream& stream) const {
  try {
    stream = TComprStream(folder_ + '\\' + name);
    return true;
  } catch (const std::exception&) {
    Tell(std::string("Индексный файл не найден (") + name + ")", true);
    return false;
  }
}

bool TMakeFind::Find(const std::string& word, TSearchResults& results, bool caseSensitive) {
  if (!IndexExists()) {
    Tell(MissingMessage, false);
    return false;
  }
  return FindInIndexFiles([this](const char* name, TMemoryStream& stream) { return Open(name, stream); }, word, results,
                          caseSensitive);
}

bool FindInIndexFiles(const std::function<bool(const char* name, TMemoryStream& stream)>& open, const std::string& word,
                      TSearchResults& results, bool caseSensitive) {
  const size_t found = results.Files.size();

  TMemoryStream stream;
  if (!open(TMakeFind::KeywordsFile, stream)) return false;
  std::string line;
  int keyword = 0;
  for (int number = 1;; ++number) {
    const bool more = ReadIndexLine(stream, line);
    if (line.size() == word.size() && (caseSensitive ? line == word : SameName(line, word))) {
      keyword = number;
      break;
    }
    if (!more) return false;
  }

  if (!open(TMakeFind::IndexFile, stream)) return false;
  bool more = true;
  for (int number = 1; number <= keyword; ++number) {
    if (!more) return false;  // fewer lines than keywords
    more = ReadIndexLine(stream, line);
  }
  std::set<int> documents;
  for (const std::string& piece : SplitByDelimiter(":", line)) {
    int32_t document = 0;
    if (!TextToInt32(piece, document))
      throw EConvertError("'" + Cp1251ToUtf8(piece) + "' is not a valid integer value");
    documents.insert(document);
  }
  if (documents.empty()) return false;

  if (!open(TMakeFind::FilesFile, stream)) return false;
  more = true;
  for (int number = 1; more; ++number) {
    more = ReadIndexLine(stream, line);
    if (!documents.count(number)) continue;
    // A line without the separator or without a file names no document.
    const size_t separator = line.find(kFileSeparator);
    if (separator == std::string::npos || TrimBlanks(std::string_view(line).substr(0, separator)).empty()) continue;
    const std::vector<std::string> parts = SplitByDelimiter(kFileSeparator, line);
    results.Files.push_back(parts[0]);
    results.Titles.push_back(parts.size() > 1 ? parts[1] : std::string());
  }
  return results.Files.size() > found;
}
