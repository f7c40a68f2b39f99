#pragma once
// Looking for a text in pages other than the one shown: the walk of a book-wide search and
// the page scan of an index search. A page holds the text when the engine's Find finds it in
// the page loaded into a hidden viewer. The quick way asks the viewer only about pages whose
// text, kept for the run, may hold it; the plain way loads every page.

#include "search/PageTextCache.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class THTMLViewer;

class TPageScanner {
 public:
  // The hidden viewer sits on `window`.
  explicit TPageScanner(QWidget* window);
  ~TPageScanner();

  bool quick = true;

  // Before a walk: what is looked for.
  void BeginWalk(const QString& text, bool matchCase);
  // Whether the page `file` (a full Windows name) holds the text; never for a page that
  // cannot be loaded.
  bool Occurs(const std::string& file);
  // After a walk: the hidden viewer goes.
  void EndWalk();

  struct TWalkEnd {
    size_t index;  // of the page holding the text, or not read when stopped; files.size() when done
    bool stopped;
  };
  // Looks through `files` from index `from` on, skipping `skip` (letter case ignored).
  // Before each page the window's pending events are handled and `stop` asked; `progress`
  // hears the index of every page about to be read.
  TWalkEnd Walk(const std::vector<std::string>& files, size_t from, const std::string& skip,
                const std::function<bool()>& stop, const std::function<void(size_t)>& progress);

  TPageTextCache& Cache() { return cache_; }

 private:
  QWidget* window_;
  std::unique_ptr<THTMLViewer> viewer_;
  TPageTextCache cache_;
  QString text_;
  bool matchCase_ = false;
  TSearchKey key_;
};
