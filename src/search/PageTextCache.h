#pragma once
// The texts of the book's pages, read once per run (the book does not change while it is
// read), in the form a book-wide search compares: whitespace dropped, letters case-folded,
// one byte per character. A text that occurs in a page as the engine's Find sees it always
// occurs in the page's key, so a page whose key lacks the searched key can be passed over
// without loading it; a page whose key holds it may still not show it, and the engine decides.

#include <QString>
#include <string>
#include <unordered_map>

// The searched text in the pages' form. `any` when the text holds a character the engine
// shows where the page has none (a picture's stand-in): every readable page may hold it.
struct TSearchKey {
  std::string key;
  bool any = false;
};
TSearchKey SearchKeyOf(const QString& text);

class TPageTextCache {
 public:
  // `file`: a full Windows name. False for a page that cannot be read.
  bool MayContain(const std::string& file, const TSearchKey& text);
  size_t Size() const { return entries_.size(); }
  void Clear() { entries_.clear(); }

 private:
  struct TEntry {
    bool readable = false;
    bool undecided = false;  // shown in a way the key does not follow: the engine decides
    std::string key;
  };
  const TEntry& Entry(const std::string& file);

  std::unordered_map<std::string, TEntry> entries_;     // by name, letters folded
  std::unordered_map<std::string, bool> hidingSheets_;  // style sheets that may hide text
};
