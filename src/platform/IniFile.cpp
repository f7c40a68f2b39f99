#include "platform/IniFile.h"

#include "platform/WinNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace {

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The section named by a "[name]" line, lower-cased; nothing for other lines.
std::optional<std::string> SectionOf(const std::string& line) {
  const std::string t = Trimmed(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return AsciiLower(Trimmed(std::string_view(t).substr(1, close - 1)));
}

// The key of a "key=value" line, lower-cased; nothing for other lines.
std::optional<std::string> KeyOf(const std::string& line) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos || Trimmed(line).starts_with(';')) return std::nullopt;
  return AsciiLower(Trimmed(std::string_view(line).substr(0, eq)));
}

struct TPlace {
  int section = -1;    // line of the section's header
  int entry = -1;      // line of the entry
  int lastEntry = -1;  // last non-blank line of the section
};

TPlace Find(const std::vector<std::string>& lines, const std::string& section, const std::string& key) {
  TPlace place;
  const std::string wantedSection = AsciiLower(Trimmed(section)), wantedKey = AsciiLower(Trimmed(key));
  bool inside = false;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (const auto name = SectionOf(lines[i])) {
      if (inside) break;  // the entry belongs to the first section of that name
      inside = *name == wantedSection;
      if (inside) place.section = place.lastEntry = i;
      continue;
    }
    if (!inside) continue;
    if (!Trimmed(lines[i]).empty()) place.lastEntry = i;
    if (KeyOf(lines[i]) == wantedKey) {
      place.entry = i;
      break;
    }
  }
  return place;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

namespace IniFile {

std::string WithEntry(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value) {
  std::vector<std::string> lines = Lines(text);
  const TPlace place = Find(lines, section, key);
  const std::string entry = Trimmed(key) + "=" + value;
  if (place.entry >= 0) {
    lines[place.entry] = entry;
  } else if (place.section >= 0) {
    lines.insert(lines.begin() + place.lastEntry + 1, entry);
  } else {
    lines.push_back("[" + Trimmed(section) + "]");
    lines.push_back(entry);
  }
  return Joined(lines);
}

std::optional<std::string> EntryOf(const std::string& text, const std::string& section, const std::string& key) {
  const std::vector<std::string> lines = Lines(text);
  const TPlace place = Find(lines, section, key);
  if (place.entry < 0) return std::nullopt;
  const std::string& line = lines[place.entry];
  return Trimmed(std::string_view(line).substr(line.find('=') + 1));
}

bool WriteString(const QString& hostFile, const std::string& section, const std::string& key,
                 const std::string& value) {
  std::string text;
  QFile old(hostFile);
  if (old.exists()) {
    if (!old.open(QIODevice::ReadOnly)) return false;
    text = old.readAll().toStdString();
  }
  if (!QDir().mkpath(QFileInfo(hostFile).path())) return false;
  const std::string updated = WithEntry(text, section, key, value);
  QSaveFile file(hostFile);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(updated.data(), static_cast<qint64>(updated.size()));
  return file.commit();
}

std::optional<std::string> ReadString(const QString& hostFile, const std::string& section, const std::string& key) {
  QFile file(hostFile);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return EntryOf(file.readAll().toStdString(), section, key);
}

}  // namespace IniFile
