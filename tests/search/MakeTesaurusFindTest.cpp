#include "search/MakeTesaurusFind.h"

#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "support/PackBuilder.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

class MakeTesaurusFindTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PackClose();
    find_.SetFolder(HostPath::ToWindows(dir_.Path() + u'/'));
    find_.OnWarning = [this](const std::string& text) { warnings_.push_back(text); };
  }

  void WriteIndex(const QString& text) const {
    dir_.Write(QStringLiteral("tezaurus.idx"), QByteArray::fromStdString(ToCp1251(text)));
  }

  // The target found, or "-" when none.
  std::string Target(const QString& word = {}) const {
    std::string target;
    return find_.Lookup(ToCp1251(word), target) ? Cp1251ToUtf8(target) : "-";
  }

  TSavedGlobals saved_;
  TempDir dir_;
  TMakeTesaurusFind find_;
  std::vector<std::string> warnings_;
};

TEST_F(MakeTesaurusFindTest, TheFirstLineNamesTheStartPage) {
  EXPECT_FALSE(find_.IndexExists());
  EXPECT_EQ(Target(), "-");
  WriteIndex(QStringLiteral("Абажур ~  tez\\a.htm#abajur \r\nБлок~tez\\b.htm\r\n"));
  EXPECT_TRUE(find_.IndexExists());
  EXPECT_EQ(Target(), "tez\\a.htm#abajur");
  EXPECT_EQ(Target(QStringLiteral("блок")), "tez\\b.htm");
  EXPECT_EQ(Target(QStringLiteral("нет")), "-");
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(MakeTesaurusFindTest, ALineWithoutATargetGivesNone) {
  for (const char* first : {"Абажур tez\\a.htm\r\nБлок~b.htm", "~tez\\a.htm", "Абажур~ \r\n", ""}) {
    WriteIndex(QString::fromUtf8(first));
    EXPECT_EQ(Target(), "-") << first;
  }
}

TEST_F(MakeTesaurusFindTest, AnIndexThatCannotBeReadIsNamedInAWarning) {
  const TempDir packDir;
  const QString pack = WritePack(packDir, {{"tezaurus.idx", std::string(200, 'x')}});
  const std::string folder = HostPath::ToWindows(packDir.Path() + u'/');
  PackOpen(folder + "interface.dat");
  PackSetRoot(folder);
  QFile(pack).resize(QFile(pack).size() - 1);
  find_.SetFolder(folder);
  EXPECT_TRUE(find_.IndexExists());
  EXPECT_EQ(Target(), "-");
  EXPECT_EQ(warnings_, std::vector<std::string>{"Индексный файл не найден (tezaurus.idx)"});
  PackClose();
}

}  // namespace
