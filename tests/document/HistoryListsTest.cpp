#include "document/HistoryLists.h"

#include <gtest/gtest.h>

namespace {

std::vector<QString> Titles(int count) {
  std::vector<QString> titles;
  for (int i = 0; i < count; ++i) titles.push_back(QStringLiteral("Страница %1").arg(i));
  return titles;
}

TEST(HistoryLists, BackOffersTheEightNearestOlderEntries) {
  const auto items = HistoryPopupItems(Titles(10), 0, true);  // nine older entries
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items.front().caption, QStringLiteral("Страница 1"));
  EXPECT_EQ(items.front().command, "history=1");
  EXPECT_EQ(items.back().command, "history=8");
}

TEST(HistoryLists, ForwardOffersTheNewerEntriesNearestFirst) {
  const auto items = HistoryPopupItems(Titles(10), 3, false);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].command, "history=2");
  EXPECT_EQ(items[2].command, "history=0");
  EXPECT_TRUE(HistoryPopupItems(Titles(10), 0, false).empty());
  EXPECT_TRUE(HistoryPopupItems({}, -1, true).empty());
}

TEST(HistoryLists, CaptionsAreCutAndUntitledPagesNamed) {
  const std::vector<QString> titles = {QString(), QString(), QString(100, u'Ж')};
  const auto items = HistoryPopupItems(titles, 0, true);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, QStringLiteral("Без названия"));
  EXPECT_EQ(items[1].caption, QString(80, u'Ж'));
}

TEST(HistoryLists, MenusOfferTheSevenNearestWithTitleAndFile) {
  std::vector<std::string> files;
  for (int i = 0; i < 10; ++i) files.push_back("d:\\man\\p" + std::to_string(i) + ".htm");
  std::vector<QString> titles = Titles(10);
  titles[2].clear();
  titles[3] = QString(90, u'Ж');
  const auto back = HistoryMenuItems(files, titles, 0, true);
  ASSERT_EQ(back.size(), 7u);
  EXPECT_EQ(back[0].caption, QStringLiteral("Страница 1--d:\\man\\p1.htm"));
  EXPECT_EQ(back[0].index, 1);
  EXPECT_EQ(back[1].caption, QStringLiteral("d:\\man\\p2.htm"));
  EXPECT_EQ(back[2].caption, QString(80, u'Ж'));
  EXPECT_EQ(back[6].index, 7);
  const auto forward = HistoryMenuItems(files, titles, 2, false);
  ASSERT_EQ(forward.size(), 2u);
  EXPECT_EQ(forward[0].index, 1);
  EXPECT_EQ(forward[1].index, 0);
}

}  // namespace
