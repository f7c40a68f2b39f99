#include "search/PageScanner.h"

#include "app/Log.h"
#include "html/HTMLViewer.h"
#include "platform/WinNames.h"

#include <QCoreApplication>

TPageScanner::TPageScanner(QWidget* window) : window_(window) {}

TPageScanner::~TPageScanner() = default;

void TPageScanner::BeginWalk(const QString& text, bool matchCase) {
  text_ = text;
  matchCase_ = matchCase;
  key_ = SearchKeyOf(text);
}

bool TPageScanner::Occurs(const std::string& file) {
  if (quick && !cache_.MayContain(file, key_)) return false;
  if (!viewer_) {
    // Pictures, history and caching are of no use to a page that is only searched.
    viewer_ = std::make_unique<THTMLViewer>(window_);
    viewer_->setVisible(false);
    viewer_->setGeometry(0, 0, 0, 0);
    viewer_->SetNoLinkUnderline(true);
    viewer_->SetViewImages(false);
  }
  try {
    viewer_->LoadFromFile(file);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << e.what();
    return false;
  }
  return viewer_->Find(text_, matchCase_);
}

void TPageScanner::EndWalk() { viewer_.reset(); }

TPageScanner::TWalkEnd TPageScanner::Walk(const std::vector<std::string>& files, size_t from, const std::string& skip,
                                          const std::function<bool()>& stop,
                                          const std::function<void(size_t)>& progress) {
  for (size_t i = from; i < files.size(); ++i) {
    QCoreApplication::processEvents();
    if (stop && stop()) return {i, true};
    if (progress) progress(i);
    if (!skip.empty() && SameName(files[i], skip)) continue;
    if (Occurs(files[i])) return {i, false};
  }
  return {files.size(), false};
}
