#pragma once
// The entries the history popups offer: the back popup the eight older entries nearest to the
// one shown, the forward popup the eight newer ones, nearest first.

#include <QString>
#include <string>
#include <vector>

constexpr int kHistoryPopupItems = 8;

struct THistoryItem {
  QString caption;      // the title cut to 80 characters, "Без названия" when empty
  std::string command;  // "history=" and the entry's index
};

// `titles` newest first, in step with the history; `historyIndex` the entry shown.
std::vector<THistoryItem> HistoryPopupItems(const std::vector<QString>& titles, int historyIndex, bool back);
