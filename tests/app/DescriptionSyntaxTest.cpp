#include "app/DescriptionSyntax.h"
#include "app/Errors.h"
#include "platform/Globals.h"

#include <gtest/gtest.h>

namespace {

TLines ReadAll(const std::string& bytes) {
  TMemoryStream stream(bytes);
  TLines lines;
  std::string line;
  while (ReadTextLine(stream, line)) lines.push_back(line);
  return lines;
}

// Sets the folders that names resolve against, and puts the old ones back.
class FoldersGuard {
 public:
  FoldersGuard(const std::string& programFolder, const std::string& discRoot)
      : programFolder_(Global.ProgramFolder), discRoot_(Global.DiscRoot) {
    Global.ProgramFolder = programFolder;
    Global.DiscRoot = discRoot;
  }
  ~FoldersGuard() {
    Global.ProgramFolder = programFolder_;
    Global.DiscRoot = discRoot_;
  }

 private:
  std::string programFolder_;
  std::string discRoot_;
};

}  // namespace

// CR LF, CR alone and LF alone each end a line, mixed in any way; a file saved with Linux line
// ends reads as its author meant.
TEST(ReadTextLine, LineEndsReadAlike) {
  const TLines expected = {"one", "two", "three"};
  for (const std::string text : {"one\r\ntwo\r\nthree\r\n", "one\rtwo\rthree\r", "one\ntwo\nthree\n", "one\ntwo\nthree",
                                 "one\rtwo\r\nthree", "one\ntwo\r\nthree\r"})
    EXPECT_EQ(ReadAll(text), expected) << text;
}

TEST(ReadTextLine, EdgesOfTheStream) {
  const struct {
    std::string text;
    TLines lines;
  } cases[] = {
      {"", {}},
      {"\r", {""}},
      {"\n", {""}},
      {"\r\r\n\r", {"", "", ""}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\n\nb", {"a", "", "b"}},  // the LF after CR LF stands alone
      {"a\n\rb", {"a", "", "b"}},
      {std::string("\xC0\xE1\0z\r", 5), {std::string("\xC0\xE1\0z", 4)}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadAll(c.text), c.lines) << c.text;

  TMemoryStream stream(std::string("x"));
  std::string line = "old";
  ASSERT_TRUE(ReadTextLine(stream, line));
  EXPECT_FALSE(ReadTextLine(stream, line));
  EXPECT_EQ(line, "x");
}

TEST(ParseIntAt, ReadsTheFirstRunOfMinusAndDigits) {
  const struct {
    std::string line;
    int pos;
    int value;
  } cases[] = {
      {"vx=-12", 1, -12},
      {"vx=", 1, -1},
      {"x=12;y=7", 5, 7},
      {"fn1=5", 4, 5},
      {"fn1=5", 1, 1},  // why readers of such keywords read after the '='
      {"a=1-2", 1, -1},
      {"a=--5", 1, -1},
      {"a=5-", 1, -1},
      {"a=-", 1, -1},
      {"a=007", 1, 7},
      {"a=2147483647", 1, 2147483647},
      {"a=-2147483648", 1, INT32_MIN},
      {"a=2147483648", 1, -1},
      {"a=99999999999999999999", 1, -1},
      {"a=12 34", 4, 2},
      {"a=12", 5, -1},
      {"a=12", 50, -1},
      {"a=12", 0, 12},
      {"a=12", -7, 12},
      {"", 1, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIntAt(c.line, c.pos), c.value) << c.line << " @" << c.pos;
}

TEST(ParseTokenAt, ReadsUpToSemicolonTrimmed) {
  const struct {
    std::string line;
    int pos;
    std::string token;
  } cases[] = {
      {"file=   man\\a.htm  ", 6, "man\\a.htm"},
      {"file =a.htm", 6, "=a.htm"},  // read at keyword length + 1, the blank moved it on
      {"file=a.htm;snd=click.wav", 6, "a.htm"},
      {"file=a.htm;snd=click.wav", 16, "click.wav"},
      {"file=\t\x01 \xC0\xE1\xE2 ;", 6, "\xC0\xE1\xE2"},
      {"file=", 6, ""},
      {"file=a", 7, ""},
      {"file=a", 70, ""},
      {"file=;", 6, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTokenAt(c.line, c.pos), c.token) << c.line << " @" << c.pos;
}

TEST(ParseColorAt, ReadsThreeNumbersWithOneCharacterSeparators) {
  const struct {
    std::string line;
    int pos;
    TColor color;
  } cases[] = {
      {"255,0,0", 1, 255},
      {"0,0,255", 1, 16711680},
      {"c=0, 128, 0", 3, 32768},
      {"256,0,0", 1, 0},
      {"c=10,20,30", 1, 10 + 20 * 256 + 30 * 65536},
      {"c=-5,1,2", 3, 5 + 1 * 256 + 2 * 65536},  // the minus is skipped like a letter
      {"[1;2;3]", 1, 1 + 2 * 256 + 3 * 65536},
      {"c=1", 1, 1 + 0xFF00 + 0xFF0000},  // absent numbers read as -1
      {"c=none", 1, 0},
      {"c=-", 1, 0},
      {"", 1, 0},
      {"1,2,3", 9, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColorAt(c.line, c.pos), c.color) << c.line;
}

TEST(ParseBracketList, ItemsAndTheLineWhereTheListEnds) {
  FoldersGuard folders("d:\\run\\", "d:\\");
  const struct {
    TLines lines;
    int start;
    std::vector<std::string> items;
    int end;
  } cases[] = {
      {{"x", "list=[ a ;b;c ]", "y"}, 1, {"a", "b", "c"}, 1},
      {{"list=[ one", "two", "three]", "after"}, 0, {"one", "two", "three"}, 2},
      {{"l=[]"}, 0, {}, 0},
      {{"l=[a;]"}, 0, {"a"}, 0},
      {{"l=[;a]"}, 0, {"", "a"}, 0},
      {{"l=[a;", "b]"}, 0, {"a", "", "b"}, 1},
      {{"l=[a", "", "b]"}, 0, {"a", "", "b"}, 2},
      {{"l=[a;b]", "m=[c]"}, 0, {"a", "b"}, 0},
      {{"l=[a][b]"}, 0, {"a"}, 0},
      {{"no list"}, 0, {}, 0},
      {{"l=[a;b", "c"}, 0, {"a", "b", "c"}, 1},
      {{"l=[a;"}, 0, {"a", ""}, 0},
      {{"l=["}, 0, {""}, 0},
      {{"l=[x.htm;<cd>y.htm;help;c:\\z.htm]"}, 0, {"d:\\run\\x.htm", "d:\\y.htm", "help", "c:\\z.htm"}, 0},
      {{"l=[a]"}, 5, {}, 5},
      {{"l=[a]"}, -1, {}, -1},
  };
  for (const auto& c : cases) {
    int index = c.start;
    EXPECT_EQ(ParseBracketList(c.lines, index), c.items) << c.lines[0];
    EXPECT_EQ(index, c.end) << c.lines[0];
  }
  for (const auto& [lines, unclosed] : {std::pair<TLines, bool>{{"l=[a;b", "c"}, true},
                                        {{"l=["}, true},
                                        {{"l=[a", "b]"}, false},
                                        {{"no list"}, false}}) {
    int index = 0;
    bool seen = !unclosed;
    ParseBracketList(lines, index, seen);
    EXPECT_EQ(seen, unclosed) << lines[0];
  }
}

TEST(ValueAfterEq, FirstAndLastValues) {
  FoldersGuard folders("d:\\run\\", "d:\\");
  const struct {
    std::string text;
    std::string first;
    std::string last;
  } cases[] = {
      {"html1=man\\a.htm", "d:\\run\\man\\a.htm", ""},
      {"copy=a.htm=c:\\out", "d:\\run\\a.htm", "c:\\out"},
      {"run=a=b=x.exe", "a=b", "d:\\run\\x.exe"},
      {"plain", "", ""},
      {"key=", "", ""},
      {"key=word", "word", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueAfterFirstEq(c.text), c.first) << c.text;
    EXPECT_EQ(ValueAfterLastEq(c.text), c.last) << c.text;
  }
}

TEST(ResolvePath, NamesUnderTheProgramFolderAndTheDisc) {
  FoldersGuard folders("d:\\run\\", "d:\\");
  const struct {
    std::string text;
    std::string result;
  } cases[] = {
      {"<cd>x.htm", "d:\\x.htm"},
      {"x.htm", "d:\\run\\x.htm"},
      {"\\x.htm", "d:\\run\\x.htm"},
      {"..\\x.htm", "d:\\run\\x.htm"},
      {"c:\\x.htm", "c:\\x.htm"},
      {"help", "help"},
      {"go=x.htm", "go=d:\\run\\x.htm"},
      {"a=b=x.htm", "a=b=d:\\run\\x.htm"},
      {"1.5", "d:\\run\\1.5"},
      {"255,0,0", "255,0,0"},
      {"go=<cd>a\\<cd>", "go=d:\\a\\<cd>"},
      {"man\\sub\\..\\a.htm", "d:\\run\\man\\a.htm"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePath(c.text), c.result) << c.text;
}

TEST(ResolvePath, LeadingBackslashAndParentStayUnderTheAnchorFolder) {
  FoldersGuard folders("c:\\books\\car\\run\\", "d:\\");
  EXPECT_EQ(ResolvePath("..\\x.htm"), "c:\\books\\car\\x.htm");
  EXPECT_EQ(ResolvePath("\\x.htm"), "c:\\books\\x.htm");
}

TEST(JoinUnderFolder, AnchorAndParentFolding) {
  const std::string manyUp = [] {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "..\\";
    return text + "x";
  }();
  const struct {
    std::string base;
    std::string relative;
    std::string result;
  } cases[] = {
      {"c:\\books\\car\\run\\", "..\\x.htm", "c:\\books\\car\\x.htm"},
      {"c:\\books\\car\\run\\", "\\x.htm", "c:\\books\\x.htm"},
      {"c:\\books\\car\\run\\", "..\\..\\..\\..\\x.htm", "c:\\books\\x.htm"},
      {"c:\\books\\car\\run\\", manyUp, "c:\\books\\x"},
      {"c:\\books\\car\\run\\", "  a\\..\\b\\.\\c.htm \t", "c:\\books\\car\\run\\b\\.\\c.htm"},
      {"c:\\books\\car\\run\\", "a\\\\..\\b", "c:\\books\\car\\run\\a\\b"},
      {"c:\\books\\car\\run\\", "a\\..", "c:\\books\\car\\run\\a\\.."},
      {"d:\\", "..\\x", "d:\\x"},
      {"d:\\", "\\x", "d:\\x"},
      {"d:\\", "a\\..\\..\\x", "d:\\x"},
      {"d:\\run", "\\x", "d:\\x"},
      {"d:\\run", "..\\x", "d:\\x"},
      {"d:\\run", "x", "d:\\run\\x"},
      {"books\\run\\", "..\\x", "books\\x"},
      {"books\\run\\", "\\x", "books\\x"},
      {"books\\run\\", "..\\..\\x", "books\\x"},
      {"run", "x", "run\\x"},
      {"run", "\\x", "run\\x"},
      {"run", "..\\x", "run\\x"},
      {"", "x", "\\x"},
      {"", "..\\x", "\\x"},
      {"d:\\..\\run\\", "..\\x", "d:\\x"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(JoinUnderFolder(c.base, c.relative), c.result) << c.base << " + " << c.relative.substr(0, 40);
}

TEST(ParseVertexList, PointsOrErrors) {
  const TLines lines = {"region=[0,0; 10, 0;10 ,20", "-5,+7]"};
  int index = 0;
  EXPECT_EQ(ParseVertexList(lines, index), (std::vector<QPoint>{{0, 0}, {10, 0}, {10, 20}, {-5, 7}}));
  EXPECT_EQ(index, 1);

  index = 0;
  EXPECT_TRUE(ParseVertexList({"region=[]"}, index).empty());
  EXPECT_TRUE(ParseVertexList({"region"}, index).empty());
  // A list that never closes takes the following lines as points: refused as a whole.
  index = 0;
  EXPECT_THROW(ParseVertexList({"region=[0,0;1,1", "2,2", ""}, index), EDataError);

  for (const std::string bad :
       {"r=[1,2;x,3]", "r=[1,2;3]", "r=[1,]", "r=[,1]", "r=[1,2,3]", "r=[1.5,2]", "r=[1,99999999999]", "r=[;]"}) {
    index = 0;
    EXPECT_THROW(ParseVertexList({bad}, index), EConvertError) << bad;
  }
}

TEST(ParseVertexList, AtMost2000Points) {
  std::string list = "r=[0,0";
  for (int i = 1; i < 2000; ++i) list += ";" + std::to_string(i) + "," + std::to_string(i);
  int index = 0;
  EXPECT_EQ(ParseVertexList({list + "]"}, index).size(), 2000u);
  index = 0;
  EXPECT_THROW(ParseVertexList({list + ";1,1]"}, index), EDataError);
}

TEST(Utilities, IndexOfIntAndContainsText) {
  int index = 7;
  EXPECT_TRUE(IndexOfInt({4, 9, 9}, 9, index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(IndexOfInt({4, 9}, 5, index));
  EXPECT_EQ(index, -1);
  EXPECT_FALSE(IndexOfInt({}, 0, index));

  const std::vector<std::string> list = {"Main.HTM", "\xC0\xE1.htm"};
  EXPECT_TRUE(ContainsText(list, "main.htm"));
  EXPECT_TRUE(ContainsText(list, "\xC0\xE1.HTM"));
  EXPECT_FALSE(ContainsText(list, "\xE0\xE1.htm"));  // Cyrillic case is not folded
  EXPECT_FALSE(ContainsText(list, "main"));
}
