#include "document/HistoryLists.h"

#include "platform/Cp1251.h"

#include <algorithm>

namespace {
constexpr int kMenuItems = 7;
constexpr int kCaptionLength = 80;
}  // namespace

std::vector<THistoryItem> HistoryPopupItems(const std::vector<QString>& titles, int historyIndex, bool back) {
  std::vector<THistoryItem> items;
  const int step = back ? 1 : -1;
  for (int i = historyIndex + step;
       i >= 0 && i < static_cast<int>(titles.size()) && static_cast<int>(items.size()) < kHistoryPopupItems;
       i += step) {
    const QString& title = titles[i];
    items.push_back({title.isEmpty() ? QStringLiteral("Без названия") : title.left(kCaptionLength),
                     "history=" + std::to_string(i)});
  }
  return items;
}

std::vector<THistoryMenuItem> HistoryMenuItems(const std::vector<std::string>& files,
                                               const std::vector<QString>& titles, int historyIndex, bool back) {
  std::vector<THistoryMenuItem> items;
  const int count = static_cast<int>(std::min(files.size(), titles.size()));
  const int step = back ? 1 : -1;
  for (int i = historyIndex + step; i >= 0 && i < count && static_cast<int>(items.size()) < kMenuItems; i += step) {
    const QString file = FromCp1251(files[i]);
    const QString caption = titles[i].isEmpty() ? file : titles[i] + QStringLiteral("--") + file;
    items.push_back({caption.left(kCaptionLength), i});
  }
  return items;
}
