#include "document/HistoryLists.h"

namespace {
constexpr int kCaptionLength = 80;
}  // namespace

std::vector<THistoryItem> HistoryPopupItems(const std::vector<QString>& titles, int historyIndex, bool back) {
  std::vector<THistoryItem> items;
  const int step = back ? 1 : -1;
  for (int i = historyIndex + step; i >= 0 && i < static_cast<int>(titles.size()) &&
                                    static_cast<int>(items.size()) < kHistoryPopupItems;
       i += step) {
    const QString& title = titles[i];
    items.push_back({title.isEmpty() ? QStringLiteral("Без названия") : title.left(kCaptionLength),
                     "history=" + std::to_string(i)});
  }
  return items;
}
