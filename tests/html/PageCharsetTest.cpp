#include "html/PageCharset.h"

#include <gtest/gtest.h>

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

}  // namespace
