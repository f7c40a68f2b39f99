#pragma once
// The entries the history popups offer (the eight older or newer entries nearest to the one
// shown, nearest first), and those of the standard window's history menus (seven).

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

struct THistoryMenuItem {
  QString caption;  // the title, "--" and the file; the file alone without a title; 80 at most
  int index = 0;    // in the history
};

// `files` (Windows-1251) and `titles` newest first, in step.
std::vector<THistoryMenuItem> HistoryMenuItems(const std::vector<std::string>& files,
                                               const std::vector<QString>& titles, int historyIndex, bool back);
