#include "document/Contents.h"

#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

std::string W(const char16_t* text) { return ToCp1251(QString::fromUtf16(text)); }

struct TDepthCase {
  const char* name;
  TLines lines;
  std::vector<int> parents;
  std::vector<int> depths;
};

class ContentsDepth : public ::testing::TestWithParam<TDepthCase> {};

TEST_P(ContentsDepth, PlacesEachLineByItsTabs) {
  const std::vector<TContentsEntry> entries = ParseContents(GetParam().lines);
  std::vector<int> parents, depths;
  for (const TContentsEntry& e : entries) {
    parents.push_back(e.parent);
    depths.push_back(e.depth);
  }
  EXPECT_EQ(parents, GetParam().parents);
  EXPECT_EQ(depths, GetParam().depths);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ContentsDepth,
    ::testing::Values(
        TDepthCase{"OneTwoOne", {"a;A", "\tb;B", "\t\tc;C", "\td;D"}, {-1, 0, 1, 0}, {0, 1, 2, 1}},
        // Three TABs under a top-level line still make a child at depth 1; two TABs after it
        // are deeper than that, so a child of it.
        TDepthCase{"DeepJump", {"a;A", "\t\t\tb;B", "\t\tc;C"}, {-1, 0, 1}, {0, 1, 2}},
        TDepthCase{"BackToTop",
                   {"a;A", "\tb;B", "\t\tc;C", "\t\t\td;D", "e;E", "\tf;F"},
                   {-1, 0, 1, 2, -1, 4},
                   {0, 1, 2, 3, 0, 1}},
        TDepthCase{"UpTwoLevels", {"a;A", "\tb;B", "\t\tc;C", "\t\t\td;D", "\te;E"}, {-1, 0, 1, 2, 0}, {0, 1, 2, 3, 1}},
        // The first line is at the top whatever its indentation; blank lines are no entries.
        TDepthCase{"IndentedFirst", {"\t\ta;A", "", " \t ", "\tb;B"}, {-1, 0}, {0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// A hostile file: every line one TAB deeper than the last, then back to the first level after
// a long run of siblings. Depths stop at the limit; going back up follows the parents.
TEST(Contents, DeepAndLongFilesStayWithinTheDepthLimit) {
  TLines lines;
  for (int i = 0; i < 20000; ++i) lines.push_back(std::string(static_cast<size_t>(i), '\t') + "x.htm;X");
  for (int i = 0; i < 20000; ++i) lines.push_back("\t\ty.htm;Y");
  lines.push_back("\tz.htm;Z");
  const std::vector<TContentsEntry> entries = ParseContents(lines);
  ASSERT_EQ(entries.size(), lines.size());
  int deepest = 0;
  for (const TContentsEntry& e : entries) deepest = std::max(deepest, e.depth);
  EXPECT_EQ(deepest, kMaxContentsDepth);
  EXPECT_EQ(entries[kMaxContentsDepth + 1].parent, kMaxContentsDepth - 1);  // a sibling at the limit
  EXPECT_EQ(entries[20000].depth, 2);
  EXPECT_EQ(entries.back().parent, 0);
  EXPECT_EQ(entries.back().depth, 1);
}

TEST(Contents, LinkAndCaptionAreTrimmedAndTheCaptionEndsAtTheNextSemicolon) {
  const std::vector<TContentsEntry> entries =
      ParseContents({W(u"\t man\\a.htm#x ;  Глава А ; лишнее"), " plain.htm ", "b.htm;", W(u";Только подпись")});
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].link, "man\\a.htm#x");
  EXPECT_EQ(entries[0].caption, W(u"Глава А"));
  // A line without ';' is all link.
  EXPECT_EQ(entries[1].link, "plain.htm");
  EXPECT_EQ(entries[1].caption, "");
  EXPECT_EQ(entries[2].caption, "");
  EXPECT_EQ(entries[3].link, "");
  EXPECT_EQ(entries[3].caption, W(u"Только подпись"));
}

TEST(Contents, ReadsTheFileOrGivesNothingWhenItIsMissing) {
  TSavedGlobals saved;
  TempDir dir;
  dir.Write("toc.txt", QByteArray::fromStdString(W(u"a.htm;Первая\r\n\tb.htm;Вторая\r\n")));
  HostPath::SetDiscRoot(dir.Path());
  PackClose();
  const std::vector<TContentsEntry> entries = ReadContentsFile("d:\\toc.txt");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].caption, W(u"Вторая"));
  EXPECT_EQ(entries[1].parent, 0);
  EXPECT_TRUE(ReadContentsFile("d:\\missing.txt").empty());
}

TEST(Contents, ALinkNamesThePageWhoseNameEndsInIt) {
  struct Case {
    std::string link, file;
    bool names;
  };
  const Case cases[] = {
      {"a.htm", "a.htm", true},
      {"A.HTM", "d:\\book\\man\\a.htm", true},
      {"man\\a.htm", "d:\\book\\man\\a.htm", true},
      {"man\\a.htm", "MAN\\A.HTM", true},
      {W(u"глава.htm"), W(u"d:\\ГЛАВА.HTM"), true},
      {" a.htm ", "d:\\a.htm", true},
      {"a.htm", "d:\\ba.htm", false},   // only after a separator
      {"a.htm#x", "d:\\a.htm", false},  // the page shown has no anchor
      {"a.htm", "d:\\a.htm\\", false},
      {"", "d:\\a.htm", false},
      {"a.htm", "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(LinkNamesFile(c.link, c.file), c.names) << c.link << " / " << c.file;
}

std::vector<TContentsEntry> Book() {
  return ParseContents({W(u"a.htm;Начало"), W(u"c.htm;Глава Ц"), W(u"\tc.htm;Раздел Ц"), W(u"\t;Без ссылки"),
                        W(u"\td.htm;Раздел Д"), W(u"\t\td.htm#x;Пункт Д"), W(u"b.htm;Конец")});
}

TEST(Contents, ChaptersStepOverEntriesOfTheSamePageAndWithoutALink) {
  const auto book = Book();
  EXPECT_EQ(ChapterStep(book, 1, 1), 4);  // past its own page and the entry without a link
  EXPECT_EQ(ChapterStep(book, 4, 1), 5);  // an anchor makes another link
  EXPECT_EQ(ChapterStep(book, 4, -1), 2);
  EXPECT_EQ(ChapterStep(book, 2, -1), 0);  // "c.htm" both: back to the start
  EXPECT_EQ(ChapterStep(book, 6, 1), -1);
  EXPECT_EQ(ChapterStep(book, 0, -1), -1);
  EXPECT_EQ(ChapterStep(book, -1, 1), -1);
  EXPECT_EQ(ChapterStep({}, 0, 1), -1);
}

TEST(Contents, ChapterHintsNameTheParentOfASubchapter) {
  const auto book = Book();
  EXPECT_EQ(ChapterHint(book, 1), W(u"Глава Ц"));
  EXPECT_EQ(ChapterHint(book, 4), W(u"Глава Ц : Раздел Д"));
  EXPECT_EQ(ChapterHint(book, 5), W(u"Раздел Д : Пункт Д"));
  EXPECT_EQ(ChapterHint(book, -1), "");
  EXPECT_EQ(ChapterHint(book, 7), "");
}

TEST(Contents, CaptionsAreFoundFromAPlaceOnAndThenFromTheStart) {
  const auto book = Book();
  EXPECT_EQ(FindCaption(book, 0, W(u"раздел")), 2);
  EXPECT_EQ(FindCaption(book, 3, W(u"РАЗДЕЛ")), 4);
  EXPECT_EQ(FindCaption(book, 5, W(u"раздел ц")), 2);  // wraps round
  EXPECT_EQ(FindCaption(book, 7, W(u"начало")), 0);    // past the end: from the first
  EXPECT_EQ(FindCaption(book, 0, W(u"нет такого")), -1);
  EXPECT_EQ(FindCaption({}, 0, "a"), -1);
}

}  // namespace
