// The quick reading of page texts against the engine itself: whatever the engine's Find can
// find in a page must be in the page's search key, for every page the quick reading calls
// faithful.

#include "html/HTMLViewer.h"
#include "platform/Cp1251.h"
#include "search/PageText.h"
#include "search/PageTextCache.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The engine's blocks for a page given as text.
QStringList EngineBlocks(THTMLViewer& viewer, const QString& page) {
  viewer.LoadFromBuffer(ToCp1251(page));
  QStringList blocks;
  for (QTextBlock b = viewer.Document()->begin(); b.isValid(); b = b.next()) blocks << b.text();
  return blocks;
}

// Every stretch of a block the engine shows is in the quick reading's key. Stand-ins for
// pictures and controls end a stretch: a text that holds one is never looked up quickly.
::testing::AssertionResult Covers(THTMLViewer& viewer, const QString& page) {
  const TPageText text = ReadPageText(page);
  if (!text.faithful) return ::testing::AssertionSuccess();
  const std::string key = SearchKeyOf(text.text).key;
  for (const QString& block : EngineBlocks(viewer, page)) {
    for (const QString& stretch : block.split(QChar::ObjectReplacementCharacter)) {
      if (key.find(SearchKeyOf(stretch).key) != std::string::npos) continue;
      return ::testing::AssertionFailure()
             << "page " << page.toStdString() << "\nengine block \"" << block.toStdString() << "\"\nquick text \""
             << text.text.toStdString() << '"';
    }
  }
  return ::testing::AssertionSuccess();
}

class PageTextTest : public ::testing::Test {
 protected:
  THTMLViewer viewer_;
};

TEST_F(PageTextTest, HiddenElementsTagsAndCommentsAreLeftOutAsTheEngineDoes) {
  struct Case {
    const char* page;
    const char* text;  // whitespace dropped
    bool faithful;
  } cases[] = {
      {"wo<b>rd</b>", "word", true},
      {"wo<script>x</script>rd", "word", true},
      {"wo<script>if (a<b) x</script>rd tail", "wo", true},
      {"wo<style>p{}</style>rd", "word", true},
      {"wo<title>t</title>rd", "word", true},
      {"<head>stray<title>t</title></head><body>def</body>", "def", true},
      {"<head><link rel=stylesheet href=a.css><title>t</title></head>x", "x", true},
      {"a < b > c", "ac", true},
      {"ab<a title=\"x>y\">cd</a>", "abcd", true},
      {"ab<!-- c -->cd", "abcd", true},
      {"ab<!-->cd-->ef", "abef", true},
      {"a<![CDATA[q]]>b", "ab", true},
      {"<b><title>x</b>y", "y", true},
      {"<title>a<td>b</td>c</title>d", "", false},  // the cell leaves the title
      {"wo<table>x</table>rd", "", false},          // the engine drops x and joins the word
      {"<table><tr><td>a</td></tr></table>", "a", true},
      {"a &check; b", "", false},
      {"<p style=\"display:none\">x</p>y", "", false},
  };
  for (const Case& c : cases) {
    const TPageText text = ReadPageText(QString::fromUtf8(c.page));
    QString visible = text.text;
    visible.remove(QRegularExpression("\\s"));
    if (c.faithful) {
      EXPECT_EQ(visible, QString::fromUtf8(c.text)) << c.page;
    }
    EXPECT_EQ(text.faithful, c.faithful) << c.page;
    EXPECT_TRUE(Covers(viewer_, QString::fromUtf8(c.page)));
  }
}

TEST_F(PageTextTest, EntitiesDecodeAsTheEngineDecodesThem) {
  for (const TNamedEntity& e : NamedEntities()) {
    const QString page = QStringLiteral("x&%1;y").arg(QLatin1String(e.name));
    const TPageText text = ReadPageText(page);
    EXPECT_TRUE(text.faithful) << e.name;
    EXPECT_EQ(text.text, QStringLiteral("x") + QChar(e.code) + QStringLiteral("y")) << e.name;
    const QStringList blocks = EngineBlocks(viewer_, page);
    ASSERT_EQ(blocks.size(), 1) << e.name;
    // The engine's find sees no-break spaces as spaces.
    QString expected = text.text;
    if (QChar(e.code).isSpace()) expected.replace(QChar(e.code), QChar(u' '));
    QString shown = blocks[0];
    shown.replace(QChar::Nbsp, u' ');
    EXPECT_EQ(shown, expected) << e.name;
  }
  for (int code = 1; code < 300; ++code) {
    for (const QString& form : {QStringLiteral("&#%1;").arg(code), QStringLiteral("&#x%1;").arg(code, 0, 16)}) {
      const QString page = "x" + form + "y";
      EXPECT_TRUE(Covers(viewer_, page)) << form.toStdString();
    }
  }
  for (const char* page : {"&amp", "a&amp b", "&#;", "&#x;", "&lt b", "&LT;", "&Amp;", "&#65536;", "&copy x"})
    EXPECT_TRUE(Covers(viewer_, QString::fromUtf8(page))) << page;
}

// Pages made at random from the pieces real pages are made of, and some broken ones.
TEST_F(PageTextTest, RandomPagesNeverHideFromTheQuickReadingWhatTheEngineShows) {
  const QStringList pieces = {"слово",
                              "Word",
                              " ",
                              "\n",
                              "\t",
                              "&nbsp;",
                              "&amp;",
                              "&laquo;",
                              "&#1089;",
                              "&#x436;",
                              "&#150;",
                              "&foo;",
                              "&copy",
                              "<b>",
                              "</b>",
                              "<i>",
                              "</i>",
                              "<p>",
                              "</p>",
                              "<br>",
                              "<div>",
                              "</div>",
                              "<table>",
                              "</table>",
                              "<tr>",
                              "</tr>",
                              "<td>",
                              "</td>",
                              "<th>",
                              "<li>",
                              "<ul>",
                              "</ul>",
                              "<pre>",
                              "</pre>",
                              "<script>",
                              "</script>",
                              "<style>",
                              "</style>",
                              "<title>",
                              "</title>",
                              "<head>",
                              "</head>",
                              "<body>",
                              "<link rel=stylesheet>",
                              "</link>",
                              "<meta charset=x>",
                              "<img src=a.gif>",
                              "<select><option>выбор</option></select>",
                              "<!-- c -->",
                              "<!x>",
                              "<a href=\"x>y\">",
                              "</a>",
                              "<font color=red>",
                              "</font>",
                              "<",
                              ">",
                              "a<b",
                              "<b/>",
                              "<title/>",
                              "<textarea>т</textarea>",
                              "<dl>",
                              "<dt>",
                              "<dd>",
                              "<caption>",
                              "<span class=x>",
                              "</span>",
                              "<?php x ?>"};
  QRandomGenerator random(12);
  int faithful = 0;
  for (int round = 0; round < 3000; ++round) {
    QString page;
    const int length = 1 + random.bounded(14);
    for (int i = 0; i < length; ++i) page += pieces[random.bounded(pieces.size())];
    if (ReadPageText(page).faithful) ++faithful;
    ASSERT_TRUE(Covers(viewer_, page));
  }
  // Most pages are read quickly; the rest go to the engine.
  EXPECT_GT(faithful, 1000);
}

TEST(SearchKey, DropsWhitespaceFoldsCaseAndKeepsOneBytePerCharacter) {
  EXPECT_EQ(SearchKeyOf(QStringLiteral(" Ёлка\u00a0И\tЛЕС ")).key, ToCp1251(QStringLiteral("ёлкаилес")));
  EXPECT_EQ(SearchKeyOf(QStringLiteral("Straße")).key,
            "stra\x98"
            "e");
  EXPECT_EQ(SearchKeyOf(QStringLiteral("日本")).key, "\x98\x98");
  EXPECT_FALSE(SearchKeyOf(QStringLiteral("a")).any);
  EXPECT_TRUE(SearchKeyOf(QString(QChar::ObjectReplacementCharacter)).any);
}

}  // namespace
