#include "html/PageCharset.h"

#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>

namespace {

// Meta tags live in the head: the first 8 KiB is plenty, and keeps huge pages cheap.
constexpr size_t kHeadBytes = 8192;
// Bytes looked at to tell UTF-16 and UTF-32 without a mark.
constexpr size_t kSniffBytes = 1024;

// The charset named after "charset=" at `pos` in `text`, up to a quote, space, ';' or '>'.
std::string CharsetValueAt(const std::string& text, size_t pos) {
  while (pos < text.size() && (text[pos] == '"' || text[pos] == '\'' || text[pos] == ' ')) ++pos;
  size_t end = pos;
  while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-' ||
                               text[end] == '_' || text[end] == '.' || text[end] == ':'))
    ++end;
  return text.substr(pos, end - pos);
}

bool StartsWith(const std::string& bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && std::string_view(bytes).substr(0, prefix.size()) == prefix;
}

// Markup is mostly ASCII: in UTF-32 three of every four bytes are zero, in UTF-16 one of two,
// always on the same side of the character; 8-bit pages have no zero bytes at all.
std::string SniffUnicode(const std::string& bytes) {
  const size_t n = std::min(bytes.size(), kSniffBytes) & ~size_t(3);
  if (n < 4) return {};
  size_t zeros[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < n; ++i)
    if (bytes[i] == '\0') ++zeros[i % 4];
  const size_t units = n / 4;
  if (zeros[2] == units && zeros[3] == units && zeros[0] < units) return "utf-32le";
  if (zeros[0] == units && zeros[1] == units && zeros[3] < units) return "utf-32be";
  const size_t even = zeros[0] + zeros[2], odd = zeros[1] + zeros[3];
  // Characters U+xx00 leave a few zeros on the other side.
  if (odd > std::max<size_t>(2, even * 4)) return "utf-16le";
  if (even > std::max<size_t>(2, odd * 4)) return "utf-16be";
  return {};
}

QString Decode(const char* charset, const std::string& bytes, size_t from) {
  QStringDecoder decoder(charset, QStringDecoder::Flag::Stateless);
  return decoder.decode(QByteArrayView(bytes.data() + from, static_cast<qsizetype>(bytes.size() - from)));
}

}  // namespace

std::string UnicodeForm(const std::string& bytes, size_t& bomLength) {
  // UTF-32 LE before UTF-16 LE: its mark begins with the same two bytes.
  static const std::pair<std::string_view, const char*> marks[] = {
      {std::string_view("\xFF\xFE\0\0", 4), "utf-32le"},
      {std::string_view("\0\0\xFE\xFF", 4), "utf-32be"},
      {"\xEF\xBB\xBF", "utf-8"},
      {"\xFF\xFE", "utf-16le"},
      {"\xFE\xFF", "utf-16be"},
  };
  for (const auto& [mark, form] : marks)
    if (StartsWith(bytes, mark)) {
      bomLength = mark.size();
      return form;
    }
  bomLength = 0;
  return SniffUnicode(bytes);
}

std::string DeclaredCharset(const std::string& bytes) {
  std::string head = bytes.substr(0, kHeadBytes);
  // Wide pages: their ASCII letters without the zero bytes.
  head.erase(std::remove(head.begin(), head.end(), '\0'), head.end());
  head = AsciiLower(head);
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
  size_t bomLength = 0;
  const std::string form = UnicodeForm(bytes, bomLength);
  if (!form.empty()) return Decode(form.c_str(), bytes, bomLength);
  const std::string charset = DeclaredCharset(bytes);
  if (charset.empty() || charset == "windows-1251" || charset == "cp1251" || charset == "x-cp1251")
    return FromCp1251(bytes);
  // A page that declares a wide form but has none of its zero bytes was saved as 8-bit text
  // by its editor: browsers read it as UTF-8.
  if (charset == "utf-8" || charset == "utf8" || charset.starts_with("utf-16") || charset.starts_with("utf-32") ||
      charset == "unicode")
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder decoder(charset.c_str());
  if (!decoder.isValid()) return FromCp1251(bytes);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
