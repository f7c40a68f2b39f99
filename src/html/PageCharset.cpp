#include "html/PageCharset.h"

#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>

namespace {

// The charset named after "charset=" at `pos` in `text`, up to a quote, space, ';' or '>'.
std::string CharsetValueAt(const std::string& text, size_t pos) {
  while (pos < text.size() && (text[pos] == '"' || text[pos] == '\'' || text[pos] == ' ')) ++pos;
  size_t end = pos;
  while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-' ||
                               text[end] == '_' || text[end] == '.' || text[end] == ':'))
    ++end;
  return text.substr(pos, end - pos);
}

}  // namespace

std::string DeclaredCharset(const std::string& bytes) {
  // Meta tags live in the head: the first 8 KiB is plenty, and keeps huge pages cheap.
  const std::string head = AsciiLower(bytes.substr(0, 8192));
  size_t pos = 0;
  while ((pos = head.find("<meta", pos)) != std::string::npos) {
    const size_t end = head.find('>', pos);
    const std::string tag = head.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    const size_t cs = tag.find("charset");
    if (cs != std::string::npos) {
      size_t eq = cs + 7;
      while (eq < tag.size() && tag[eq] == ' ') ++eq;
      if (eq < tag.size() && tag[eq] == '=') {
        const std::string value = CharsetValueAt(tag, eq + 1);
        if (!value.empty()) return value;
      }
    }
    pos += 5;
  }
  return {};
}

QString DecodePage(const std::string& bytes) {
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
    return QString::fromUtf8(bytes.data() + 3, static_cast<qsizetype>(bytes.size() - 3));
  const std::string charset = DeclaredCharset(bytes);
  if (charset.empty() || charset == "windows-1251" || charset == "cp1251" || charset == "x-cp1251")
    return FromCp1251(bytes);
  if (charset == "utf-8" || charset == "utf8") return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder decoder(charset.c_str());
  if (!decoder.isValid()) return FromCp1251(bytes);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
