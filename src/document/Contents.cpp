#include "document/Contents.h"

#include "app/Description.h"
#include "app/Errors.h"
#include "app/TextValues.h"
#include "platform/Cp1251.h"

#include <algorithm>

namespace {

QString Folded(std::string_view text) { return FromCp1251(TrimBlanks(text)).toCaseFolded(); }

std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }

// The entry's parent for a line with `tabs` leading TABs after entry `previous`.
int PlaceEntry(const std::vector<TContentsEntry>& entries, int previous, int tabs) {
  if (previous < 0 || tabs == 0) return -1;
  const TContentsEntry& before = entries[previous];
  if (tabs > before.depth) return before.depth < kMaxContentsDepth ? previous : before.parent;
  if (tabs == before.depth) return before.parent;
  // Shallower: under the nearest earlier entry one level up, which is the previous entry's
  // ancestor at that level.
  int parent = previous;
  while (parent >= 0 && entries[parent].depth > tabs - 1) parent = entries[parent].parent;
  return parent;
}

}  // namespace

std::vector<TContentsEntry> ParseContents(const TLines& lines) {
  std::vector<TContentsEntry> entries;
  for (const std::string& line : lines) {
    if (TrimBlanks(line).empty()) continue;
    size_t tabs = 0;
    while (tabs < line.size() && line[tabs] == '\t') ++tabs;
    const std::string_view text = std::string_view(line).substr(tabs);
    const size_t semicolon = text.find(';');
    TContentsEntry entry;
    entry.link = Trimmed(text.substr(0, semicolon));
    if (semicolon != std::string_view::npos) {
      const std::string_view rest = text.substr(semicolon + 1);
      entry.caption = Trimmed(rest.substr(0, rest.find(';')));
    }
    entry.parent = PlaceEntry(entries, static_cast<int>(entries.size()) - 1, static_cast<int>(tabs));
    entry.depth = entry.parent < 0 ? 0 : entries[entry.parent].depth + 1;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<TContentsEntry> ReadContentsFile(const std::string& fileName) {
  try {
    return ParseContents(ReadDescriptionLines(fileName, false));
  } catch (const EFOpenError&) {
    return {};
  }
}

bool LinkNamesFile(const std::string& link, const std::string& file) {
  const QString l = Folded(link);
  const QString f = Folded(file);
  if (l.isEmpty() || !f.endsWith(l)) return false;
  if (f.size() == l.size()) return true;
  const QChar before = f.at(f.size() - l.size() - 1);
  return before == '\\' || before == '/' || before == ':';
}

int ChapterStep(const std::vector<TContentsEntry>& entries, int selected, int step) {
  if (selected < 0 || selected >= static_cast<int>(entries.size())) return -1;
  const std::string& current = entries[selected].link;
  for (int i = selected + step; i >= 0 && i < static_cast<int>(entries.size()); i += step) {
    const std::string link = Trimmed(entries[i].link);
    if (!link.empty() && link != current) return i;
  }
  return -1;
}

std::string ChapterHint(const std::vector<TContentsEntry>& entries, int index) {
  if (index < 0 || index >= static_cast<int>(entries.size())) return {};
  const TContentsEntry& entry = entries[index];
  if (entry.parent < 0) return entry.caption;
  return entries[entry.parent].caption + " : " + entry.caption;
}

int FindCaption(const std::vector<TContentsEntry>& entries, int start, const std::string& text) {
  const int count = static_cast<int>(entries.size());
  if (count == 0) return -1;
  const QString wanted = FromCp1251(text).toCaseFolded();
  start = std::clamp(start, 0, count);
  for (int n = 0; n < count; ++n) {
    const int i = (start + n) % count;
    if (FromCp1251(entries[i].caption).toCaseFolded().contains(wanted)) return i;
  }
  return -1;
}
