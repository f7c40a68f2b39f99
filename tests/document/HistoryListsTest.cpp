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

}  // namespace
