#include "html/FrameViewer.h"

#include "html/FramesetPanel.h"
#include "html/HtmlDocument.h"
#include "html/HtmlNames.h"
#include "html/PageCharset.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <QScopeGuard>
#include <algorithm>

namespace {

constexpr int kFrameGap = 3;

// Pictures and plain texts are shown as they are, never as framesets.
bool IsMarkup(const std::string& name) {
  const std::string file = NameLower(WithoutAnchor(name));
  for (const char* ext : {".bmp", ".gif", ".jpg", ".jpeg", ".png", ".txt", ".inf", ".diz"}) {
    const std::string e = ext;
    if (file.size() >= e.size() && file.compare(file.size() - e.size(), e.size(), e) == 0) return false;
  }
  return true;
}

}  // namespace

struct TFrameViewer::State {
  std::string mainFile;
  QString title;
  TFrameNode root;  // a single frame for a page
  int active = 0;   // the active frame, counted in document order
};

TFrameViewer::TFrameViewer(QWidget* parent) : QWidget(parent), visited_(std::make_shared<std::set<std::string>>()) {}

TFrameViewer::~TFrameViewer() = default;

std::string TFrameViewer::CurrentFile() const { return shown_ ? shown_->mainFile : std::string(); }

const TPreparsedPage& TFrameViewer::Prepared(const std::string& file) {
  const std::string key = NameLower(WithoutAnchor(file));
  const auto found = prepared_.find(key);
  if (found != prepared_.end()) return found->second;
  const std::string bytes = THtmlDocument::ReadFile(file);
  return prepared_.emplace(key, THTMLViewer::Preparse(file, bytes)).first->second;
}

TFrameNode TFrameViewer::FrameTreeOf(const QString& name, const std::string& file) {
  return BuildFrameTree(name, file, [this](const std::string& page) -> const TFramesetNode* {
    if (!IsMarkup(page)) return nullptr;
    try {
      const TPreparsedPage& prepared = Prepared(page);
      return prepared.isFrameset ? &prepared.frameset : nullptr;
    } catch (const EHtmlLoadError&) {
      return nullptr;
    }
  });
}

void TFrameViewer::LoadFromFile(const std::string& name) {
  prepared_.clear();
  const auto forget = qScopeGuard([this] { prepared_.clear(); });
  State state;
  state.mainFile = WithoutAnchor(name);
  state.title = Prepared(name).title;
  state.root = FrameTreeOf({}, name);
  SavePositions();
  Show(state, false);
  PushHistory(state, name, state.title);
  HistoryChanged();
}

void TFrameViewer::Show(const State& state, bool restorePositions) {
  auto next = std::make_unique<State>(state);
  const std::vector<TFrameNode*> leaves = FrameLeaves(next->root);
  const bool sameLayout = shown_ && content_ && shown_->root.isFrameset && SameShape(shown_->root, next->root);
  const std::vector<TFrameNode*> shownLeaves = sameLayout ? FrameLeaves(shown_->root) : std::vector<TFrameNode*>();
  if (!sameLayout) {
    // The old frames may be in the middle of their own mouse event (a clicked link).
    if (content_) {
      content_->hide();
      content_->deleteLater();
    }
    viewers_.clear();
    active_ = nullptr;
    content_ = BuildFrames(next->root, this);
    content_->setGeometry(rect());
    // Shown before loading, so that each page is laid out once, at its frame's width.
    content_->show();
  }
  for (size_t i = 0; i < viewers_.size() && i < leaves.size(); ++i) {
    const TFrameNode& leaf = *leaves[i];
    const bool load = !sameLayout || shownLeaves[i]->file != leaf.file;
    if (load) {
      const auto found = leaf.file.empty() ? prepared_.end() : prepared_.find(NameLower(WithoutAnchor(leaf.file)));
      try {
        if (leaf.file.empty()) {
          viewers_[i]->Clear();
        } else if (found != prepared_.end()) {
          viewers_[i]->ShowPreparsed(leaf.file, std::move(found->second));
          prepared_.erase(found);
        } else {
          viewers_[i]->LoadFromFile(leaf.file);
        }
      } catch (const EHtmlLoadError&) {
        viewers_[i]->Clear();
      }
    }
    // A new page keeps the place its anchor scrolled to.
    if (restorePositions || leaf.position != 0) viewers_[i]->SetPosition(leaf.position);
  }
  if (next->active >= 0 && next->active < static_cast<int>(viewers_.size())) active_ = viewers_[next->active];
  shown_ = std::move(next);
}

QWidget* TFrameViewer::BuildFrames(const TFrameNode& node, QWidget* parent) {
  if (!node.isFrameset) return MakeViewer(parent);
  auto* panel = new TFramesetPanel(ToCp1251(node.rows), ToCp1251(node.cols), NoBorder ? 0 : kFrameGap, parent);
  for (const TFrameNode& child : node.children) panel->AddPart(BuildFrames(child, panel));
  return panel;
}

THTMLViewer* TFrameViewer::MakeViewer(QWidget* parent) {
  auto* viewer = new THTMLViewer(parent);
  ApplyAppearance(viewer);
  viewer->SetVisitedLinks(visited_);
  viewer->OnLinkClick = [this](THTMLViewer* v, const QString& target, const QString& url, bool& handled) {
    LinkClicked(v, target, url, handled);
  };
  viewer->OnPrintHeader = [this](THTMLViewer*, QPainter& painter, int numPage, int w, int h, bool& stop) {
    if (OnPrintHeader) OnPrintHeader(this, painter, numPage, w, h, stop);
  };
  viewer->OnLinkCovered = [this](THTMLViewer*, const QString& target, const QString& url) {
    if (OnHotSpotTargetCovered) OnHotSpotTargetCovered(this, target, url);
  };
  viewer->OnKeyDown = [this](QKeyEvent* event) {
    if (OnKeyDown) OnKeyDown(event);
  };
  viewer->OnMouseMove = [this, viewer](QPoint point) {
    if (OnMouseMove) OnMouseMove(viewer->mapTo(this, point));
  };
  viewer->OnMouseDown = [this, viewer](Qt::MouseButtons buttons, QPoint point) {
    if (OnMouseDown) OnMouseDown(buttons, viewer->mapTo(this, point));
  };
  viewer->OnActivated = [this](THTMLViewer* v) { active_ = v; };
  viewers_.push_back(viewer);
  return viewer;
}

void TFrameViewer::ApplyAppearance(THTMLViewer* viewer) const {
  viewer->SetDefFontName(defFontName_);
  viewer->SetDefFontColor(defFontColor_);
  viewer->SetDefFontSize(defFontSize_);
  viewer->SetDefHotSpotColor(defHotSpotColor_);
  viewer->SetDefBackground(defBackground_);
  viewer->SetDefOverLinkColor(OverLinksActive ? defOverLinkColor_ : defHotSpotColor_);
  viewer->SetNoLinkUnderline(NoLinkUnderline);
  viewer->SetViewImages(ViewImages);
}

void TFrameViewer::Reload() {
  for (THTMLViewer* viewer : viewers_) {
    ApplyAppearance(viewer);
    viewer->Reload();
  }
}

void TFrameViewer::LinkClicked(THTMLViewer* viewer, const QString& target, const QString& url, bool& handled) {
  if (OnHotSpotTargetClick) OnHotSpotTargetClick(this, target, url, handled);
  if (!handled) {
    // A missing page leaves everything as it was.
    try {
      FollowLinkOf(viewer, target, url);
    } catch (const EHtmlLoadError&) {
    }
  }
  handled = true;
}

void TFrameViewer::FollowLink(const QString& target, const QString& url) {
  if (THTMLViewer* viewer = ActiveViewer())
    FollowLinkOf(viewer, target, url);
  else if (!url.startsWith('#'))
    LoadFromFile(HTMLExpandFilename(url));
}

void TFrameViewer::FollowLinkOf(THTMLViewer* viewer, const QString& target, const QString& url) {
  if (url.startsWith('#')) {
    viewer->ScrollToAnchor(url.mid(1));
    return;
  }
  const std::string expanded = viewer->HTMLExpandFilename(url);
  if (HasUrlScheme(expanded)) return;
  if (!shown_ || !shown_->root.isFrameset) {
    LoadFromFile(expanded);
    return;
  }
  State state = *shown_;
  StorePositions(state);
  const std::vector<TFrameNode*> leaves = FrameLeaves(state.root);
  const size_t index = std::find(viewers_.begin(), viewers_.end(), viewer) - viewers_.begin();
  TFrameNode* self = index < leaves.size() ? leaves[index] : nullptr;
  const QString frame = target.toLower();
  TFrameNode* destination = nullptr;
  if (frame.isEmpty() || frame == "_self")
    destination = self;
  else if (frame == "_parent")
    destination = self ? ParentFrame(state.root, self) : nullptr;
  else if (frame != "_top" && frame != "_blank")
    destination = FindFrame(state.root, target);
  if (!destination || destination == &state.root) {
    LoadFromFile(expanded);
    return;
  }

  prepared_.clear();
  const auto forget = qScopeGuard([this] { prepared_.clear(); });
  const QString title = Prepared(expanded).title;
  *destination = FrameTreeOf(destination->name, expanded);
  // The frame that got the page (the first of a frameset) becomes the active one.
  const std::vector<TFrameNode*> inside = FrameLeaves(*destination);
  const std::vector<TFrameNode*> after = FrameLeaves(state.root);
  const auto first = inside.empty() ? after.end() : std::find(after.begin(), after.end(), inside.front());
  state.active = first == after.end() ? 0 : static_cast<int>(first - after.begin());
  SavePositions();
  Show(state, false);
  PushHistory(state, expanded, title);
  HistoryChanged();
}

void TFrameViewer::StorePositions(State& state) const {
  const std::vector<TFrameNode*> leaves = FrameLeaves(state.root);
  if (leaves.size() != viewers_.size()) return;
  for (size_t i = 0; i < leaves.size(); ++i) leaves[i]->position = viewers_[i]->Position();
  const auto active = std::find(viewers_.begin(), viewers_.end(), active_) - viewers_.begin();
  state.active = active < static_cast<long>(viewers_.size()) ? static_cast<int>(active) : 0;
}

void TFrameViewer::SavePositions() {
  if (historyIndex_ < 0 || historyIndex_ >= static_cast<int>(states_.size())) return;
  StorePositions(*states_[historyIndex_]);
}

void TFrameViewer::PushHistory(const State& state, const std::string& file, const QString& title) {
  const int newer = std::clamp(historyIndex_, 0, static_cast<int>(History.size()));
  History.erase(History.begin(), History.begin() + newer);
  TitleHistory.erase(TitleHistory.begin(), TitleHistory.begin() + newer);
  states_.erase(states_.begin(), states_.begin() + newer);
  History.insert(History.begin(), file);
  TitleHistory.insert(TitleHistory.begin(), title);
  states_.insert(states_.begin(), std::make_unique<State>(state));
  const size_t keep = static_cast<size_t>(std::max(1, HistoryMaxCount));
  if (History.size() > keep) {
    History.resize(keep);
    TitleHistory.resize(keep);
    states_.resize(keep);
  }
  historyIndex_ = 0;
}

void TFrameViewer::SetHistoryIndex(int index) {
  if (index == historyIndex_ || index < 0 || index >= static_cast<int>(states_.size())) return;
  SavePositions();
  historyIndex_ = index;
  Show(*states_[index], true);
  HistoryChanged();
}

bool TFrameViewer::BackButtonEnabled() const { return historyIndex_ + 1 < static_cast<int>(History.size()); }
bool TFrameViewer::FwdButtonEnabled() const { return historyIndex_ > 0; }

void TFrameViewer::GoBack() {
  if (BackButtonEnabled()) SetHistoryIndex(historyIndex_ + 1);
}

void TFrameViewer::GoFwd() {
  if (FwdButtonEnabled()) SetHistoryIndex(historyIndex_ - 1);
}

void TFrameViewer::HistoryChanged() {
  if (OnHistoryChange) OnHistoryChange(this);
}

THTMLViewer* TFrameViewer::ActiveViewer() const {
  if (active_ && std::find(viewers_.begin(), viewers_.end(), active_) != viewers_.end()) return active_;
  return viewers_.empty() ? nullptr : viewers_.front();
}

THTMLViewer* TFrameViewer::ViewerOfFrame(const QString& name) const {
  const std::vector<QString> names = FrameNames();
  for (size_t i = 0; i < viewers_.size() && i < names.size(); ++i)
    if (!names[i].isEmpty() && names[i].compare(name, Qt::CaseInsensitive) == 0) return viewers_[i];
  return nullptr;
}

std::vector<THTMLViewer*> TFrameViewer::Viewers() const { return viewers_; }

std::vector<QString> TFrameViewer::FrameNames() const {
  std::vector<QString> names;
  if (!shown_) return names;
  for (const TFrameNode* leaf : FrameLeaves(shown_->root)) names.push_back(leaf->name);
  return names;
}

void TFrameViewer::AddVisitedLink(const std::string& name) {
  const std::string lower = VisitedKey(name);
  visitedOrder_.erase(std::remove(visitedOrder_.begin(), visitedOrder_.end(), lower), visitedOrder_.end());
  visitedOrder_.insert(visitedOrder_.begin(), lower);
  if (visitedOrder_.size() > static_cast<size_t>(std::max(0, VisitedMaxCount)))
    visitedOrder_.resize(static_cast<size_t>(std::max(0, VisitedMaxCount)));
  visited_->clear();
  visited_->insert(visitedOrder_.begin(), visitedOrder_.end());
}

void TFrameViewer::CheckVisitedLinks() {
  for (THTMLViewer* viewer : viewers_) viewer->CheckVisitedLinks();
}

std::string TFrameViewer::HTMLExpandFilename(const QString& url) const {
  const THTMLViewer* viewer = ActiveViewer();
  const std::string base = viewer && !viewer->CurrentFile().empty() ? viewer->CurrentFile() : CurrentFile();
  return ExpandHtmlName(base, ToCp1251(url));
}

void TFrameViewer::CopyToClipboard() {
  if (THTMLViewer* viewer = ActiveViewer()) viewer->CopyToClipboard();
}

void TFrameViewer::SelectAll() {
  if (THTMLViewer* viewer = ActiveViewer()) viewer->SelectAll();
}

void TFrameViewer::resizeEvent(QResizeEvent*) {
  if (content_) content_->setGeometry(rect());
}
