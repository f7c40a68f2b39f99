#include "search/IndexBuilder.h"

#include "platform/Cp1251.h"
#include "search/MakeFind.h"

#include <gtest/gtest.h>

namespace {

std::vector<QString> Words(const QString& text) {
  std::vector<QString> out;
  for (const std::string& w : IndexWords(text)) out.push_back(FromCp1251(w));
  return out;
}

std::string Page(const QString& title, const QString& body) {
  return ToCp1251(QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body));
}

std::vector<std::string> LinesOf(const std::string& data) {
  TMemoryStream stream(data);
  std::vector<std::string> lines;
  std::string line;
  for (bool more = true; more;) {
    more = ReadIndexLine(stream, line);
    lines.push_back(Cp1251ToUtf8(line));
  }
  return lines;
}

TEST(IndexWords, LettersAndDigitsOfLatinAndCyrillicMakeWords) {
  using V = std::vector<QString>;
  EXPECT_EQ(Words("Ёлка и ЁЖ, A4-формат: 5W-40;Über"), (V{"ёлка", "и", "ёж", "a4", "формат", "5w", "40", "ber"}));
  EXPECT_EQ(Words("Її Ґґ Ў µm"), (V{"її", "ґґ", "ў", "m"}));
  EXPECT_EQ(Words(" \n\t"), V{});
}

TEST(IndexBuilder, WritesTheThreeFilesThatTMakeFindReads) {
  TIndexBuilder builder;
  ASSERT_TRUE(builder.AddPage("man\\b.htm", Page("Тормоза", "Тормозной <b>диск</b> и колодки. ДИСК!")));
  ASSERT_TRUE(builder.AddPage("a.htm", Page("", "<script>скрипт</script>Диск <p>колодки</p>сце<i>пле</i>ние")));
  EXPECT_FALSE(builder.AddPage("bad#:#name.htm", Page("", "x")));
  const TIndexFiles files = builder.Files();

  using V = std::vector<std::string>;
  EXPECT_EQ(LinesOf(files.files), (V{"man\\b.htm#:#Тормоза", "a.htm#:#a.htm", ""}));
  // Keywords in byte order, each once, with ascending documents; hidden text is not indexed.
  EXPECT_EQ(LinesOf(files.keywords), (V{"диск", "и", "колодки", "сцепление", "тормозной", ""}));
  EXPECT_EQ(LinesOf(files.index), (V{"1:2", "1", "1:2", "2", "1", ""}));
  EXPECT_NE(files.keywords.find("\r\n"), std::string::npos);
}

}  // namespace
