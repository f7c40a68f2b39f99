#include "platform/WinNames.h"

#include "platform/Cp1251.h"

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string NameLower(std::string_view name) { return ToCp1251(FromCp1251(name).toLower()); }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FromCp1251(a).compare(FromCp1251(b), Qt::CaseInsensitive) == 0;
}

size_t LastSeparator(std::string_view name) { return name.find_last_of("\\/:"); }

std::string FileNamePart(std::string_view name) {
  const size_t separator = LastSeparator(name);
  return std::string(separator == std::string_view::npos ? name : name.substr(separator + 1));
}

std::string FolderPart(std::string_view name) {
  const size_t separator = LastSeparator(name);
  return separator == std::string_view::npos ? std::string() : std::string(name.substr(0, separator + 1));
}

std::string FileExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  const size_t separator = LastSeparator(name);
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return {};
  return std::string(name.substr(dot));
}

std::string WithoutExtension(std::string_view name) {
  return std::string(name.substr(0, name.size() - FileExtension(name).size()));
}

std::string VisitedKey(std::string_view expandedName) { return NameLower(expandedName); }
