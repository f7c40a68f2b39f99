#include "html/PageCharset.h"

#include <gtest/gtest.h>
#include <QStringEncoder>

namespace {

const QString kWord = QStringLiteral("Привет");

struct Case {
  std::string bytes;
  std::string charset;
};

TEST(PageCharsetTest, FindsTheDeclaredCharset) {
  const std::vector<Case> cases = {
      {"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"></head>", "utf-8"},
      {"<META charset='koi8-r'>", "koi8-r"},
      {"<meta name=x><meta charset = windows-1251 >", "windows-1251"},
      {"<meta http-equiv=Content-Type content=text/html>", ""},
      {"<p>charset=utf-8 in the text only</p>", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DeclaredCharset(c.bytes), c.charset) << c.bytes;
}

TEST(PageCharsetTest, DecodesEachCharset) {
  const std::vector<Case> cases = {
      {"<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>", ""},
      {"<meta charset=utf-8><p>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</p>", ""},
      {"<meta charset=koi8-r><p>\xF0\xD2\xC9\xD7\xC5\xD4</p>", ""},
      {"\xEF\xBB\xBF<p>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</p>", ""},
      // A charset nobody knows falls back to Windows-1251.
      {"<meta charset=no-such-set><p>\xCF\xF0\xE8\xE2\xE5\xF2</p>", ""},
  };
  for (const Case& c : cases) EXPECT_TRUE(DecodePage(c.bytes).contains(kWord)) << c.bytes;
  EXPECT_TRUE(DecodePage("<meta charset=iso-8859-1><p>caf\xE9</p>").contains(QStringLiteral("café")));
}

std::string Wide(const QString& text, QStringConverter::Encoding encoding, bool mark) {
  QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
  const QByteArray bytes = encoder.encode(text);
  return bytes.toStdString();
}

TEST(PageCharsetTest, WidePagesWithAndWithoutAMark) {
  const QString page =
      QStringLiteral("<html><head><meta charset=%1><title>Т</title></head><body><p>Привет</p></body></html>");
  struct WideCase {
    QStringConverter::Encoding encoding;
    const char* declared;
    std::string form;  // told by the mark or the zero bytes
    size_t markLength;
  } cases[] = {
      {QStringConverter::Utf16LE, "utf-16le", "utf-16le", 2}, {QStringConverter::Utf16BE, "utf-16be", "utf-16be", 2},
      {QStringConverter::Utf32LE, "utf-32le", "utf-32le", 4}, {QStringConverter::Utf32BE, "utf-32be", "utf-32be", 4},
      {QStringConverter::Utf16LE, "utf-16", "utf-16le", 2},
  };
  for (const WideCase& c : cases)
    for (const bool mark : {true, false}) {
      const std::string bytes = Wide(page.arg(c.declared), c.encoding, mark);
      size_t markLength = 99;
      EXPECT_EQ(UnicodeForm(bytes, markLength), c.form) << c.declared << mark;
      EXPECT_EQ(markLength, mark ? c.markLength : 0u) << c.declared << mark;
      const QString text = DecodePage(bytes);
      EXPECT_TRUE(text.startsWith(QStringLiteral("<html>"))) << c.declared << mark;
      EXPECT_TRUE(text.contains(kWord)) << c.declared << mark;
      EXPECT_EQ(DeclaredCharset(bytes), c.declared) << mark;
    }
  // Wide text that begins with Cyrillic letters still shows ASCII markup's zero bytes.
  const QString cyrillic = QStringLiteral("Привет, <b>мир</b> и ещё немного текста");
  EXPECT_EQ(DecodePage(Wide(cyrillic, QStringConverter::Utf16BE, false)), cyrillic);
  // An 8-bit page that only declares a wide form is read as UTF-8.
  EXPECT_TRUE(
      DecodePage("<meta charset=utf-16><p>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</p>").contains(kWord));
  // Odd lengths and lone marks do no harm.
  for (const std::string& bytes : {std::string("\xFF\xFE<\0p", 5), std::string("\xFE\xFF", 2), std::string("\0", 1)})
    DecodePage(bytes);
}

}  // namespace
