#include "app/DescriptionSyntax.h"
#include "platform/HostPath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

const std::string kCyrillicFont = "\xD8\xF0\xE8\xF4\xF2.ttf";  // "Шрифт.ttf" in Windows-1251

// root: fonts in several cases and scripts, two subfolders (one nested), a hidden folder.
class FindFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b.TTF", "a.ttf", "notes.txt", "README", ".hidden.ttf", "sub/c.ttf", "sub/deep/d.ttf",
                             "zed/e.ttf", ".cache/f.ttf"})
      dir_.Write(QString::fromUtf8(name), "x");
    dir_.Write(QStringLiteral("Шрифт.ttf"), "x");
    root_ = HostPath::ToWindows(dir_.Path() + u'/');
  }

  std::vector<std::string> Find(const std::vector<std::string>& masks, bool recursive, bool includeFolders,
                                const std::string& folder = {}) {
    std::vector<std::string> result = {"stale"};
    FindFiles(folder.empty() ? root_ : folder, masks, recursive, result, includeFolders);
    return result;
  }

  TempDir dir_;
  std::string root_;  // Windows name ending with '\'
};

}  // namespace

TEST_F(FindFilesTest, FolderAloneListsOnlyItsOwnFilesInNameOrder) {
  EXPECT_EQ(Find({"*.ttf"}, false, false),
            (std::vector<std::string>{root_ + ".hidden.ttf", root_ + "a.ttf", root_ + "b.TTF", root_ + kCyrillicFont}));
}

TEST_F(FindFilesTest, RecursionIsBreadthFirstWithFoldersBeforeTheirFiles) {
  const std::vector<std::string> expected = {
      root_,
      root_ + ".hidden.ttf",
      root_ + "a.ttf",
      root_ + "b.TTF",
      root_ + kCyrillicFont,
      root_ + "sub\\",
      root_ + "sub\\c.ttf",
      root_ + "zed\\",
      root_ + "zed\\e.ttf",
      root_ + "sub\\deep\\",
      root_ + "sub\\deep\\d.ttf",
  };
  EXPECT_EQ(Find({"*.TTF"}, true, true), expected);
  // The folder may be named without its trailing '\'.
  EXPECT_EQ(Find({"*.TTF"}, true, true, root_.substr(0, root_.size() - 1)), expected);
}

TEST_F(FindFilesTest, MasksInTheirOrder) {
  const struct {
    std::vector<std::string> masks;
    std::vector<std::string> names;
  } cases[] = {
      {{"*.txt", "A*"}, {"notes.txt", "a.ttf"}},
      {{"?.ttf"}, {"a.ttf", "b.TTF"}},
      {{"*.*"}, {".hidden.ttf", "README", "a.ttf", "b.TTF", "notes.txt", kCyrillicFont}},
      {{"*"}, {".hidden.ttf", "README", "a.ttf", "b.TTF", "notes.txt", kCyrillicFont}},
      {{"\xF8*"}, {}},  // Cyrillic letters keep their case
      {{"\xD8*", "*\xF2.ttf"}, {kCyrillicFont, kCyrillicFont}},
      {{"*e*m*"}, {"README"}},
      {{"notes.txt?"}, {}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> expected;
    for (const std::string& name : c.names) expected.push_back(root_ + name);
    EXPECT_EQ(Find(c.masks, false, false), expected) << (c.masks.empty() ? "" : c.masks[0]);
  }
}

TEST_F(FindFilesTest, EmptyOrMissingFolder) {
  std::vector<std::string> result = {"stale"};
  FindFiles("", {"*.*"}, true, result, true);
  EXPECT_TRUE(result.empty());
  EXPECT_TRUE(Find({"*.*"}, true, false, root_ + "missing").empty());
  EXPECT_EQ(Find({"*.*"}, true, true, root_ + "missing"), std::vector<std::string>{root_ + "missing\\"});
}

TEST(FindFiles, LinkBackToAParentIsFollowedOnce) {
  TempDir dir;
  dir.Write(QStringLiteral("a/x.txt"), "x");
  ASSERT_TRUE(QFile::link(dir.Path(), dir.Path() + QStringLiteral("/a/up")));
  ASSERT_TRUE(QFile::link(dir.Path() + QStringLiteral("/a"), dir.Path() + QStringLiteral("/again")));
  const std::string root = HostPath::ToWindows(dir.Path() + u'/');
  std::vector<std::string> result;
  FindFiles(root, {"*.txt"}, true, result, true);
  EXPECT_EQ(result, (std::vector<std::string>{root, root + "a\\", root + "a\\x.txt"}));
}
