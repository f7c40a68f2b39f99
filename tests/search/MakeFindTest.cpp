#include "search/MakeFind.h"

#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "support/PackBuilder.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

std::vector<std::string> Lines(const std::string& data) {
  TMemoryStream stream(data);
  std::vector<std::string> lines;
  std::string line;
  bool more = true;
  while (more) {
    more = ReadIndexLine(stream, line);
    lines.push_back(line);
  }
  return lines;
}

TEST(ReadIndexLine, CrEndsLinesLineFeedsVanishAndTheEndOfDataEndsTheLast) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines("a\r\nb\r\n"), (V{"a", "b", ""}));
  EXPECT_EQ(Lines("a\rb"), (V{"a", "b"}));
  EXPECT_EQ(Lines("a\nb\n"), (V{"ab"}));
  EXPECT_EQ(Lines(""), (V{""}));
  EXPECT_EQ(Lines("\r\r"), (V{"", "", ""}));
  EXPECT_EQ(Lines("x\n\r\ny"), (V{"x", "y"}));
}

TEST(SplitByDelimiter, TrimsInnerPiecesKeepsTheRestAsItIs) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitByDelimiter(":", "3:17:230"), (V{"3", "17", "230"}));
  EXPECT_EQ(SplitByDelimiter(":", " 5 : :2"), (V{"5", "2"}));
  EXPECT_EQ(SplitByDelimiter(":", ""), V{});
  EXPECT_EQ(SplitByDelimiter(":", "7:"), (V{"7", ""}));
  EXPECT_EQ(SplitByDelimiter(":", "7::"), (V{"7", ""}));
  EXPECT_EQ(SplitByDelimiter("#:#", " man\\a.htm #:# Title  "), (V{"man\\a.htm", " Title  "}));
  EXPECT_EQ(SplitByDelimiter("#:#", "a.htm#:#"), (V{"a.htm", ""}));
  EXPECT_EQ(SplitByDelimiter("#:#", "a#:#b#:#c"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitByDelimiter("#:#", "#:#t"), (V{"t"}));
}

// Index files on disk in a temporary program folder.
class MakeFindTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PackClose();
    Global.ProgramFolder = HostPath::ToWindows(dir_.Path() + u'/');
    find_.SetFolder(Global.ProgramFolder);
    find_.OnMessage = [this](const std::string& text, bool warning) {
      messages_.push_back((warning ? "warning: " : "") + text);
    };
  }

  void Write(const char* name, const QString& utf8) const {
    dir_.Write(QString::fromLatin1(name), QByteArray::fromStdString(ToCp1251(utf8)));
  }

  // Three keywords, five documents.
  void WriteIndex(const QString& end = QStringLiteral("\r\n")) const {
    Write("keywords.idx", "масло" + end + "масло " + end + "маслонасос" + end + "свеча" + end + "Тормоз" + end);
    Write("index.idx", "1:3" + end + "2" + end + "4" + end + "5:5:2" + end + end);
    Write("files.idx", QStringLiteral("man\\a.htm#:#А\r\n man\\b.htm #:#  Б  \r\nc.htm#:#\r\nd.htm#:#Г\r\ne.htm#:#Д") +
                           (end.isEmpty() ? QString() : QStringLiteral("\r\n")));
  }

  std::vector<std::string> Files(const QString& word, bool caseSensitive = false) {
    TSearchResults results;
    found_ = find_.Find(ToCp1251(word), results, caseSensitive);
    EXPECT_EQ(results.Files.size(), results.Titles.size());
    std::vector<std::string> out;
    for (size_t i = 0; i < results.Files.size(); ++i)
      out.push_back(Cp1251ToUtf8(results.Files[i] + "|" + results.Titles[i]));
    return out;
  }

  TSavedGlobals saved_;
  TempDir dir_;
  TMakeFind find_;
  std::vector<std::string> messages_;
  bool found_ = false;
};

TEST_F(MakeFindTest, FolderLosesOneTrailingBackslash) {
  find_.SetFolder("c:\\book\\\\");
  EXPECT_EQ(find_.Folder(), "c:\\book\\");
  find_.SetFolder("c:\\book");
  EXPECT_EQ(find_.Folder(), "c:\\book");
}

TEST_F(MakeFindTest, KeywordMatchesWholeLinesOnly) {
  WriteIndex();
  using V = std::vector<std::string>;
  // "масло" is line 1; line 2 has a trailing space and line 3 only begins with the word.
  EXPECT_EQ(Files("масло"), (V{"man\\a.htm|А", "c.htm|"}));
  EXPECT_TRUE(found_);
  EXPECT_EQ(Files("масло "), (V{"man\\b.htm|  Б  "}));
  EXPECT_EQ(Files("масл"), V{});
  EXPECT_FALSE(found_);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MakeFindTest, CaseIsIgnoredForCyrillicUnlessAsked) {
  WriteIndex();
  EXPECT_EQ(Files("МАСЛО").size(), 2u);
  EXPECT_EQ(Files("тормоз").size(), 0u);  // line 5 has an empty posting line
  EXPECT_FALSE(found_);
  EXPECT_EQ(Files("Масло", true).size(), 0u);
  EXPECT_EQ(Files("масло", true).size(), 2u);
}

TEST_F(MakeFindTest, PostingsListDocumentsOnceInFileOrder) {
  WriteIndex();
  // Posting 5:5:2; document 2's file part is trimmed, its title kept as written.
  EXPECT_EQ(Files("свеча"), (std::vector<std::string>{"man\\b.htm|  Б  ", "e.htm|Д"}));
}

TEST_F(MakeFindTest, LastLinesCountWithOrWithoutLineEnds) {
  for (const QString& end : {QStringLiteral("\r\n"), QStringLiteral("\r"), QString()}) {
    Write("keywords.idx", "а\r\nб" + end);
    Write("index.idx", "1\r\n3" + end);
    Write("files.idx", "x#:#X\r\ny#:#Y\r\nz#:#Z" + end);
    EXPECT_EQ(Files("б"), std::vector<std::string>{"z|Z"}) << end.size();
  }
}

TEST_F(MakeFindTest, PostingBeyondTheFilesAndLinesWithoutFilePartsAreLeftOut) {
  Write("keywords.idx", QStringLiteral("а\r\nб"));
  Write("index.idx", QStringLiteral("1:2:3:4:9\r\n"));  // keyword б has no posting line at all
  Write("files.idx", QStringLiteral("no separator\r\n #:#no file\r\nok.htm#:#ok\r\n\r\n"));
  EXPECT_EQ(Files("а"), std::vector<std::string>{"ok.htm|ok"});
  EXPECT_EQ(Files("б"), std::vector<std::string>{});
}

TEST_F(MakeFindTest, APostingThatIsNoNumberIsAConversionError) {
  Write("keywords.idx", QStringLiteral("а"));
  Write("index.idx", QStringLiteral("1:x"));
  Write("files.idx", QStringLiteral("a#:#A"));
  TSearchResults results;
  EXPECT_THROW(find_.Find(ToCp1251(QStringLiteral("а")), results, false), EConvertError);
}

TEST_F(MakeFindTest, EachMissingFileStopsBeforeAnyPass) {
  for (const char* missing : {"keywords.idx", "index.idx", "files.idx"}) {
    WriteIndex();
    QFile::remove(dir_.Path() + '/' + missing);
    messages_.clear();
    EXPECT_FALSE(find_.IndexExists()) << missing;
    EXPECT_EQ(Files("масло"), std::vector<std::string>{}) << missing;
    EXPECT_EQ(messages_, std::vector<std::string>{TMakeFind::MissingMessage}) << missing;
  }
}

TEST_F(MakeFindTest, AFileThatCannotBeReadIsNamedInAWarning) {
  // The pack lists "keywords.idx", its last member, but the bytes at its end are gone.
  const TempDir packDir;
  const QString pack = WritePack(
      packDir, {{"keywords.idx", std::string(200, 'x')}, {"index.idx", "1\r\n"}, {"files.idx", "a.htm#:#A\r\n"}});
  Global.ProgramFolder = HostPath::ToWindows(packDir.Path() + u'/');
  PackOpen(Global.ProgramFolder + "interface.dat");
  PackSetRoot(Global.ProgramFolder);
  QFile(pack).resize(QFile(pack).size() - 1);
  find_.SetFolder(Global.ProgramFolder);
  EXPECT_TRUE(find_.IndexExists());
  EXPECT_EQ(Files("руль"), std::vector<std::string>{});
  EXPECT_EQ(messages_, std::vector<std::string>{"warning: Индексный файл не найден (keywords.idx)"});
  PackClose();
}

TEST_F(MakeFindTest, IndexInThePackIsFound) {
  const TempDir packDir;
  WritePack(packDir, {{"keywords.idx", ToCp1251(QStringLiteral("руль\r\n"))},
                      {"index.idx", "1\r\n"},
                      {"files.idx", ToCp1251(QStringLiteral("man\\r.htm#:#Руль\r\n"))}});
  Global.ProgramFolder = HostPath::ToWindows(packDir.Path() + u'/');
  PackOpen(Global.ProgramFolder + "interface.dat");
  PackSetRoot(Global.ProgramFolder);
  find_.SetFolder(Global.ProgramFolder);
  EXPECT_EQ(Files("Руль"), std::vector<std::string>{"man\\r.htm|Руль"});
  PackClose();
}

}  // namespace
