#include "search/IndexBuilder.h"

#include "html/PageCharset.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"
#include "search/PageText.h"

#include <array>

namespace {

constexpr const char* kSeparator = "#:#";

// For every character, its lower-case letter or digit in Windows-1251, or 0 when it is no
// part of a word.
const std::array<char, 65536>& WordBytes() {
  static const std::array<char, 65536> table = [] {
    std::array<char, 65536> t{};
    for (int b = 1; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const QChar c = FromCp1251(byte).front();
      const bool ascii = (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
      if (!ascii && !(c.isLetter() && c.script() == QChar::Script_Cyrillic)) continue;
      const std::string lower = ToCp1251(QString(c.toLower()));
      t[c.unicode()] = lower.size() == 1 && lower[0] != '?' ? lower[0] : static_cast<char>(b);
    }
    return t;
  }();
  return table;
}

std::string Line(const std::string& text) { return text + "\r\n"; }

// What the page shows; pages whose markup the quick reading cannot follow go through the
// engine's pre-parse first, which drops what it hides.
TPageText ShownText(const std::string& bytes) {
  const QString page = DecodePage(bytes);
  TPageText text = ReadPageText(page);
  if (!text.faithful) text = ReadPageText(PreparsePage(page, {}).html);
  return text;
}

}  // namespace

std::vector<std::string> IndexWords(const QString& text) {
  const std::array<char, 65536>& bytes = WordBytes();
  std::vector<std::string> words;
  std::string word;
  for (const QChar c : text) {
    if (const char b = bytes[c.unicode()]) {
      word.push_back(b);
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool TIndexBuilder::AddPage(const std::string& file, const std::string& bytes) {
  if (file.empty() || file.find(kSeparator) != std::string::npos || file.find_first_of("\r\n") != std::string::npos)
    return false;
  const TPageText text = ShownText(bytes);
  std::string title = ToCp1251(text.title);
  if (title.empty()) title = FileNamePart(file);
  documents_.push_back(file + kSeparator + title);
  const int number = Documents();
  for (std::string& word : IndexWords(text.text)) {
    std::vector<int>& documents = postings_[std::move(word)];
    if (documents.empty() || documents.back() != number) documents.push_back(number);
  }
  return true;
}

TIndexFiles TIndexBuilder::Files() const {
  TIndexFiles out;
  for (const auto& [keyword, documents] : postings_) {
    out.keywords += Line(keyword);
    std::string line;
    for (const int d : documents) {
      if (!line.empty()) line += ':';
      line += std::to_string(d);
    }
    out.index += Line(line);
  }
  for (const std::string& document : documents_) out.files += Line(document);
  return out;
}
