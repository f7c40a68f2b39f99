#include "search/PageTextCache.h"

#include "html/HTMLViewer.h"
#include "html/HtmlDocument.h"
#include "html/HtmlNames.h"
#include "html/PageCharset.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"
#include "search/PageText.h"

#include <array>

namespace {

// Characters Windows-1251 cannot write all stand for this byte, which it leaves unused.
constexpr char kOtherCharacter = '\x98';
// Whitespace leaves nothing in a key.
constexpr uint16_t kNothing = 0x100;

// For every character, the byte of its case-folded form in a key, or kNothing.
const std::array<uint16_t, 65536>& KeyBytes() {
  static const std::array<uint16_t, 65536> table = [] {
    std::array<uint16_t, 65536> bytes;
    bytes.fill(static_cast<unsigned char>(kOtherCharacter));
    for (int b = 0; b < 256; ++b) bytes[FromCp1251(std::string(1, static_cast<char>(b))).front().unicode()] = b;
    std::array<uint16_t, 65536> keys;
    for (int c = 0; c < 65536; ++c) {
      const QChar ch(static_cast<char16_t>(c));
      keys[c] = ch.isSpace() ? kNothing : bytes[ch.toCaseFolded().unicode()];
    }
    return keys;
  }();
  return table;
}

std::string KeyOf(QStringView text) {
  const std::array<uint16_t, 65536>& bytes = KeyBytes();
  std::string key;
  key.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text)
    if (const uint16_t b = bytes[c.unicode()]; b != kNothing) key.push_back(static_cast<char>(b));
  return key;
}

// What the engine itself shows of the page: its pre-parse and rich-text importer.
QString EngineText(const std::string& file, const QString& page) {
  THtmlDocument document(nullptr);
  document.Reset(file, false);
  document.setHtml(PreparsePage(page, {}).html);
  return document.toPlainText();
}

bool MayHide(const std::string& sheet) {
  const std::string lower = AsciiLower(sheet);
  for (const char* word : {"display", "visibility", "hidden"})
    if (lower.find(word) != std::string::npos) return true;
  return false;
}

}  // namespace

TSearchKey SearchKeyOf(const QString& text) { return {KeyOf(text), text.contains(QChar::ObjectReplacementCharacter)}; }

bool TPageTextCache::MayContain(const std::string& file, const TSearchKey& text) {
  const TEntry& entry = Entry(file);
  if (!entry.readable) return false;
  return entry.undecided || text.any || entry.key.find(text.key) != std::string::npos;
}

const TPageTextCache::TEntry& TPageTextCache::Entry(const std::string& file) {
  const std::string name = NameLower(file);
  if (const auto it = entries_.find(name); it != entries_.end()) return it->second;
  TEntry& entry = entries_[name];
  std::string bytes;
  try {
    bytes = THtmlDocument::ReadFile(file);
  } catch (const EHtmlLoadError&) {
    return entry;
  }
  entry.readable = true;
  // Pictures and plain texts the viewer shows in pages of its own.
  if (NameLower(FileExtension(file)).find(".htm") == std::string::npos) {
    entry.undecided = true;
    return entry;
  }
  const QString page = DecodePage(bytes);
  const TPageText text = ReadPageText(page);
  bool quick = text.faithful;
  for (const QString& sheet : text.styleSheets) {
    const std::string sheetName = WithoutAnchor(ExpandHtmlName(file, ToCp1251(sheet)));
    auto [known, added] = hidingSheets_.try_emplace(NameLower(sheetName), false);
    if (added) {
      try {
        known->second = MayHide(THtmlDocument::ReadFile(sheetName));
      } catch (const EHtmlLoadError&) {
        // A sheet the engine cannot read hides nothing.
      }
    }
    quick = quick && !known->second;
  }
  entry.key = KeyOf(quick ? text.text : EngineText(file, page));
  return entry;
}
