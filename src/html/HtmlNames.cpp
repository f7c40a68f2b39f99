#include "html/HtmlNames.h"
#include "platform/WinNames.h"

#include <cctype>
#include <vector>

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool HasDrive(const std::string& name) {
  return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

// Resolves "." and ".." in a name with a drive ("d:\a\..\b"); ".." never climbs above the drive.
std::string Normalize(const std::string& name) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= name.size()) {
    size_t sep = name.find('\\', start);
    if (sep == std::string::npos) sep = name.size();
    parts.push_back(name.substr(start, sep - start));
    start = sep + 1;
  }
  std::vector<std::string> kept;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    const bool last = i + 1 == parts.size();
    if (i == 0) {
      kept.push_back(part);
    } else if (part == ".") {
      if (last) kept.push_back("");
    } else if (part == "..") {
      if (kept.size() > 1) kept.pop_back();
      if (last) kept.push_back("");
    } else if (part.empty() && !last) {
      continue;
    } else {
      kept.push_back(part);
    }
  }
  std::string out;
  for (size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) out += '\\';
    out += kept[i];
  }
  if (kept.size() == 1) out += '\\';
  return out;
}

}  // namespace

bool HasUrlScheme(const std::string& url) {
  size_t i = 0;
  while (i < url.size() &&
         (std::isalnum(static_cast<unsigned char>(url[i])) || url[i] == '+' || url[i] == '-' || url[i] == '.'))
    ++i;
  return i >= 2 && i < url.size() && url[i] == ':' && std::isalpha(static_cast<unsigned char>(url[0]));
}

std::string WithoutAnchor(const std::string& name) { return name.substr(0, name.find('#')); }

std::string AnchorOf(const std::string& name) {
  const size_t hash = name.find('#');
  return hash == std::string::npos ? std::string() : name.substr(hash + 1);
}

std::string ExpandHtmlName(const std::string& document, const std::string& url) {
  if (HasUrlScheme(url)) return url;
  const std::string doc = WithoutAnchor(document);
  const size_t hash = url.find('#');
  const std::string anchor = hash == std::string::npos ? std::string() : url.substr(hash);
  std::string path = Unescape(url.substr(0, hash == std::string::npos ? url.size() : hash));
  if (path.empty()) return doc + anchor;
  for (char& c : path)
    if (c == '/') c = '\\';

  std::string full;
  if (HasDrive(path)) {
    full = path.size() == 2 ? path + '\\' : path;
  } else if (path[0] == '\\') {
    full = (HasDrive(doc) ? doc.substr(0, 2) : std::string()) + path;
  } else {
    full = FolderPart(doc) + path;
  }
  return (HasDrive(full) ? Normalize(full) : full) + anchor;
}
