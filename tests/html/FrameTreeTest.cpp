#include "html/FrameTree.h"

#include <gtest/gtest.h>
#include <map>

namespace {

TFramesetNode Frames(const QString& rows, std::vector<std::pair<QString, QString>> frames) {
  TFramesetNode set;
  set.isFrameset = true;
  set.rows = rows;
  for (const auto& [name, src] : frames) {
    TFramesetNode frame;
    frame.name = name;
    frame.src = src;
    set.children.push_back(frame);
  }
  return set;
}

class FrameTreeTest : public ::testing::Test {
 protected:
  TFrameNode Build(const std::string& file) {
    return BuildFrameTree({}, file, [this](const std::string& page) -> const TFramesetNode* {
      ++reads_;
      const auto found = framesets_.find(page);
      return found == framesets_.end() ? nullptr : &found->second;
    });
  }
  std::map<std::string, TFramesetNode> framesets_;
  int reads_ = 0;
};

TEST_F(FrameTreeTest, FramesetPagesInFramesExpandAcrossFiles) {
  framesets_["d:\\man\\index.htm"] = Frames("50,*", {{"top", "top.htm"}, {"body", "sub/body.htm#x"}});
  framesets_["d:\\man\\sub\\body.htm"] = Frames("", {{"toc", "toc.htm"}, {"main", "../a.htm"}});
  TFrameNode root = Build("d:\\man\\index.htm");
  ASSERT_TRUE(root.isFrameset);
  const std::vector<TFrameNode*> leaves = FrameLeaves(root);
  ASSERT_EQ(leaves.size(), 3u);
  EXPECT_EQ(leaves[0]->file, "d:\\man\\top.htm");
  EXPECT_EQ(leaves[1]->file, "d:\\man\\sub\\toc.htm");
  EXPECT_EQ(leaves[2]->file, "d:\\man\\a.htm");
  TFrameNode* body = FindFrame(root, "BODY");
  ASSERT_NE(body, nullptr);
  EXPECT_TRUE(body->isFrameset);
  EXPECT_EQ(body->file, "d:\\man\\sub\\body.htm#x");
  EXPECT_EQ(FindFrame(root, "main"), leaves[2]);
  EXPECT_EQ(FindFrame(root, "none"), nullptr);
  // "_parent" from a frame of the inner page replaces the frame that page fills.
  EXPECT_EQ(ParentFrame(root, leaves[2]), body);
  EXPECT_EQ(ParentFrame(root, leaves[0]), nullptr);

  TFrameNode again = Build("d:\\man\\index.htm");
  EXPECT_TRUE(SameShape(root, again));
  FindFrame(again, "main")->file = "d:\\man\\b.htm";
  EXPECT_TRUE(SameShape(root, again));
  TFrameNode page;
  page.name = "body";
  page.file = "d:\\man\\b.htm";
  *FindFrame(again, "body") = page;
  EXPECT_FALSE(SameShape(root, again));
}

TEST_F(FrameTreeTest, PagesThatFrameThemselvesStop) {
  framesets_["d:\\a.htm"] = Frames("*,*", {{"me", "A.HTM"}, {"other", "b.htm"}});
  framesets_["d:\\b.htm"] = Frames("*,*", {{"back", "a.htm"}, {"", ""}});
  TFrameNode root = Build("d:\\a.htm");
  const std::vector<TFrameNode*> leaves = FrameLeaves(root);
  ASSERT_EQ(leaves.size(), 3u);
  EXPECT_EQ(leaves[0]->file, "d:\\A.HTM");  // shown as a page, not framed again
  EXPECT_FALSE(leaves[0]->isFrameset);
  EXPECT_EQ(leaves[1]->file, "d:\\a.htm");
  EXPECT_EQ(leaves[2]->file, "");

  // A chain of different frameset pages ends, and so does a frameset of many frames.
  for (int i = 0; i < 50; ++i)
    framesets_["d:\\c" + std::to_string(i) + ".htm"] = Frames("*", {{"f", QStringLiteral("c%1.htm").arg(i + 1)}});
  EXPECT_LE(reads_, 10);
  reads_ = 0;
  TFrameNode chain = Build("d:\\c0.htm");
  EXPECT_LE(reads_, 10);
  std::vector<std::pair<QString, QString>> many;
  for (int i = 0; i < 500; ++i) many.push_back({QStringLiteral("f%1").arg(i), QStringLiteral("p%1.htm").arg(i)});
  framesets_["d:\\many.htm"] = Frames("*", many);
  TFrameNode wide = Build("d:\\many.htm");
  EXPECT_EQ(FrameLeaves(wide).size(), 64u);
}

}  // namespace
