#include "html/FrameViewer.h"

#include "html/FramesetPanel.h"
#include "html/HtmlDocument.h"
#include "html/HtmlNames.h"
#include "html/PageCharset.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"

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

void CollectFrames(const TFramesetNode& node, std::vector<const TFramesetNode*>& frames) {
  for (const TFramesetNode& child : node.children) {
    if (child.isFrameset)
      CollectFrames(child, frames);
    else
      frames.push_back(&child);
  }
}

}  // namespace

struct TFrameViewer::State {
  std::string mainFile;
  QString title;
  bool isFrameset = false;
  TFramesetNode frameset;
  std::vector<std::string> frameFiles;  // one per frame, in document order
  std::vector<int> positions;           // one per viewer
  int active = 0;
};

TFrameViewer::TFrameViewer(QWidget* parent)
    : QWidget(parent), visited_(std::make_shared<std::set<std::string>>()) {}

TFrameViewer::~TFrameViewer() = default;

std::string TFrameViewer::CurrentFile() const { return shown_ ? shown_->mainFile : std::string(); }

void TFrameViewer::LoadFromFile(const std::string& name) {
  const std::string bytes = THtmlDocument::ReadFile(name);
  State state;
  state.mainFile = WithoutAnchor(name);
  if (IsMarkup(name)) {
    const TPreparsedPage page = PreparsePage(DecodePage(bytes), nullptr);
    state.title = page.title;
    if (page.isFrameset) {
      state.isFrameset = true;
      state.frameset = page.frameset;
      std::vector<const TFramesetNode*> frames;
      CollectFrames(state.frameset, frames);
      for (const TFramesetNode* frame : frames)
        state.frameFiles.push_back(frame->src.isEmpty() ? std::string() : ExpandHtmlName(state.mainFile, ToCp1251(frame->src)));
    }
  }
  SavePositions();
  Show(state, false);
  const std::string anchor = AnchorOf(name);
  if (!anchor.empty() && ActiveViewer()) ActiveViewer()->ScrollToAnchor(FromCp1251(anchor));
  PushHistory(state, name, state.title);
  HistoryChanged();
}

void TFrameViewer::Show(const State& state, bool restorePositions) {
  const bool sameLayout = shown_ && content_ && shown_->mainFile == state.mainFile &&
                          shown_->isFrameset && state.isFrameset && viewers_.size() == state.frameFiles.size();
  std::vector<bool> load(state.isFrameset ? state.frameFiles.size() : 1, true);
  if (sameLayout) {
    for (size_t i = 0; i < load.size(); ++i) load[i] = shown_->frameFiles[i] != state.frameFiles[i];
  } else {
    // The old frames may be in the middle of their own mouse event (a clicked link).
    if (content_) {
      content_->hide();
      content_->deleteLater();
    }
    viewers_.clear();
    frameNames_.clear();
    active_ = nullptr;
    content_ = state.isFrameset ? BuildFrames(state.frameset, this) : MakeViewer(this);
    if (!state.isFrameset) frameNames_.push_back(QString());
    content_->setGeometry(rect());
    content_->show();
  }
  for (size_t i = 0; i < viewers_.size() && i < load.size(); ++i) {
    if (!load[i]) continue;
    const std::string file = state.isFrameset ? state.frameFiles[i] : state.mainFile;
    try {
      if (file.empty())
        viewers_[i]->Clear();
      else
        viewers_[i]->LoadFromFile(file);
    } catch (const EHtmlLoadError&) {
      viewers_[i]->Clear();
    }
  }
  if (restorePositions || !sameLayout)
    for (size_t i = 0; i < viewers_.size() && i < state.positions.size(); ++i)
      viewers_[i]->SetPosition(state.positions[i]);
  if (state.active >= 0 && state.active < static_cast<int>(viewers_.size())) active_ = viewers_[state.active];
  shown_ = std::make_unique<State>(state);
}

QWidget* TFrameViewer::BuildFrames(const TFramesetNode& node, QWidget* parent) {
  auto* panel = new TFramesetPanel(ToCp1251(node.rows), ToCp1251(node.cols), NoBorder ? 0 : kFrameGap, parent);
  for (const TFramesetNode& child : node.children) {
    if (child.isFrameset) {
      panel->AddPart(BuildFrames(child, panel));
    } else {
      panel->AddPart(MakeViewer(panel));
      frameNames_.push_back(child.name);
    }
  }
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
  if (!handled) FollowLink(viewer, target, url);
  handled = true;
}

void TFrameViewer::FollowLink(THTMLViewer* viewer, const QString& target, const QString& url) {
  if (url.startsWith('#')) {
    viewer->ScrollToAnchor(url.mid(1));
    return;
  }
  const std::string expanded = viewer->HTMLExpandFilename(url);
  if (HasUrlScheme(expanded)) return;
  const QString frame = target.toLower();
  THTMLViewer* destination = nullptr;
  if (frame.isEmpty() || frame == "_self")
    destination = shown_ && shown_->isFrameset ? viewer : nullptr;
  else if (frame != "_top" && frame != "_parent" && frame != "_blank")
    destination = ViewerOfFrame(target);
  // A missing page leaves everything as it was.
  if (destination && std::find(viewers_.begin(), viewers_.end(), destination) == viewers_.end()) destination = nullptr;
  try {
    if (!destination) {
      LoadFromFile(expanded);
      return;
    }
    THtmlDocument::ReadFile(expanded);
    SavePositions();
    State state = *shown_;
    state.positions = CurrentPositions();
    const auto index = std::find(viewers_.begin(), viewers_.end(), destination) - viewers_.begin();
    state.frameFiles[index] = WithoutAnchor(expanded);
    state.positions[index] = 0;
    state.active = static_cast<int>(index);
    Show(state, false);
    const std::string anchor = AnchorOf(expanded);
    if (!anchor.empty()) destination->ScrollToAnchor(FromCp1251(anchor));
    PushHistory(state, expanded, destination->DocumentTitle());
    HistoryChanged();
  } catch (const EHtmlLoadError&) {
  }
}

std::vector<int> TFrameViewer::CurrentPositions() const {
  std::vector<int> positions;
  for (THTMLViewer* viewer : viewers_) positions.push_back(viewer->Position());
  return positions;
}

void TFrameViewer::SavePositions() {
  if (historyIndex_ < 0 || historyIndex_ >= static_cast<int>(states_.size())) return;
  State& state = *states_[historyIndex_];
  state.positions = CurrentPositions();
  const auto active = std::find(viewers_.begin(), viewers_.end(), active_) - viewers_.begin();
  state.active = active < static_cast<long>(viewers_.size()) ? static_cast<int>(active) : 0;
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
  for (size_t i = 0; i < viewers_.size() && i < frameNames_.size(); ++i)
    if (!frameNames_[i].isEmpty() && frameNames_[i].compare(name, Qt::CaseInsensitive) == 0) return viewers_[i];
  return nullptr;
}

std::vector<THTMLViewer*> TFrameViewer::Viewers() const { return viewers_; }

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
