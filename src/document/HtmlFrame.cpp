// The document pane: its viewers, where they sit, and what they show.

#include "document/HtmlFrame.h"
#include "document/PageNumberHeader.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"
#include "tools/PanelBkgrd.h"

#include <QLabel>
#include <QSplitter>
#include <algorithm>

namespace {

constexpr int kHintInterval = 200;
constexpr TColor kOverLinkColor = 255;

}  // namespace

THtmlFrame::THtmlFrame(TPaneHost& host, const TDynamicHtmlArray& declarations, int screen)
    : host_(host), screen_(screen) {
  for (const RHTML& d : declarations) {
    if (std::find(viewerScreens_.begin(), viewerScreens_.end(), d.screen) == viewerScreens_.end())
      viewerScreens_.push_back(d.screen);
    elements_.push_back(
        {QRect(d.vx, d.vy, std::max(0, d.vw - d.vx), std::max(0, d.vh - d.vy)), d.number, d.screen, d.fn});
  }
  ReadSettings();
  for (size_t i = 0; i < viewerScreens_.size(); ++i) viewers_.push_back(CreateViewer(static_cast<int>(i)));
  archiveMode_.assign(viewers_.size(), false);
  visitGroups_.resize(viewers_.size());

  imageHintTimer_.setInterval(kHintInterval);
  connect(&imageHintTimer_, &QTimer::timeout, this, &THtmlFrame::ImageHintTick);
  hintWindow_ = new QLabel(host_.Window(), Qt::ToolTip);
  hintWindow_->setWordWrap(true);
  hintWindow_->setMargin(2);
  hintWindow_->setAutoFillBackground(true);
  QPalette pale = hintWindow_->palette();
  pale.setColor(QPalette::Window, QColor(225, 255, 255));
  pale.setColor(QPalette::WindowText, Qt::black);
  hintWindow_->setPalette(pale);
  prevScreen_ = -1;
  ShowScreenPane(screen_);
}

THtmlFrame::~THtmlFrame() {
  StoreSettings();
  imageHintTimer_.stop();
  for (TFrameViewer* viewer : viewers_) delete viewer;
  delete hintWindow_;
}

void THtmlFrame::ReadSettings() {
  const TBookSettings stored;
  if (const std::string name = stored.Read(Settings::FontName); !name.empty()) settings_.fontName = FromCp1251(name);
  settings_.fontColor = stored.Read(Settings::FontColor);
  settings_.fontSize = stored.Read(Settings::FontSize);
  settings_.hotSpotColor = stored.Read(Settings::HotSpotColor);
  settings_.background = stored.Read(Settings::Background);
}

void THtmlFrame::StoreSettings() const {
  TViewerSettings s = settings_;
  if (const TFrameViewer* v = CurrentViewer()) {
    s = {v->DefFontName(), v->DefFontColor(), v->DefFontSize(), v->DefHotSpotColor(), v->DefBackground()};
  }
  TBookSettings stored;
  stored.Write(Settings::FontName, ToCp1251(s.fontName));
  stored.Write(Settings::FontColor, s.fontColor);
  stored.Write(Settings::FontSize, s.fontSize);
  stored.Write(Settings::HotSpotColor, s.hotSpotColor);
  stored.Write(Settings::Background, s.background);
}

TFrameViewer* THtmlFrame::CreateViewer(int index) {
  auto* viewer = new TFrameViewer(host_.Window());
  // What the page does not take of the mouse is no press on the skin below it.
  viewer->setAttribute(Qt::WA_NoMousePropagation);
  viewer->hide();
  viewer->setGeometry(0, 0, 0, 0);
  viewer->SetDefFontName(settings_.fontName);
  viewer->SetDefFontColor(settings_.fontColor);
  viewer->SetDefFontSize(settings_.fontSize);
  viewer->SetDefHotSpotColor(settings_.hotSpotColor);
  viewer->SetDefBackground(settings_.background);
  viewer->NoBorder = true;
  viewer->OverLinksActive = true;
  viewer->SetDefOverLinkColor(kOverLinkColor);
  viewer->HistoryMaxCount = 10;
  viewer->VisitedMaxCount = 20;
  viewer->ImageCacheCount = 0;
  if (index > 0) QWidget::setTabOrder(viewers_[index - 1], viewer);

  // The engine calls in from its event handlers: nothing may unwind through them.
  viewer->OnHotSpotTargetClick = [this](TFrameViewer* sender, const QString& target, const QString& url,
                                        bool& handled) {
    try {
      LinkClicked(sender, target, url, handled);
    } catch (const std::exception& e) {
      handled = true;
      qCWarning(lcErrors) << e.what();
    }
  };
  viewer->OnHistoryChange = [this](TFrameViewer*) {
    try {
      HistoryChanged();
    } catch (const std::exception& e) {
      qCWarning(lcErrors) << e.what();
    }
  };
  viewer->OnHotSpotTargetCovered = [this](TFrameViewer* sender, const QString& target, const QString& url) {
    try {
      LinkCovered(sender, target, url);
    } catch (const std::exception& e) {
      qCWarning(lcErrors) << e.what();
    }
  };
  viewer->OnPrintHeader = [this](TFrameViewer*, QPainter& painter, int numPage, int w, int, bool&) {
    const TFrameViewer* current = CurrentViewer();
    if (current && current->ActiveViewer()) DrawPageNumberHeader(painter, numPage, w);
  };
  viewer->OnKeyDown = [this](QKeyEvent* event) { PaneKeyDown(event); };
  viewer->OnMouseMove = [this, viewer](QPoint at) { PaneMouseMove(viewer, at); };
  viewer->OnMouseDown = [this, viewer](Qt::MouseButtons buttons, QPoint at) { PaneMouseDown(viewer, buttons, at); };
  return viewer;
}

int THtmlFrame::ViewerIndexOfScreen(int screen) const {
  const auto it = std::find(viewerScreens_.begin(), viewerScreens_.end(), screen);
  return it == viewerScreens_.end() ? -1 : static_cast<int>(it - viewerScreens_.begin());
}

int THtmlFrame::CurrentViewerIndex() const { return ViewerIndexOfScreen(screen_); }

TFrameViewer* THtmlFrame::CurrentViewer() const {
  const int index = CurrentViewerIndex();
  return index < 0 ? nullptr : viewers_[index];
}

// The reading screen's viewer fills the background panel beside the contents tree; elsewhere
// it sits where it was declared on the window.
void THtmlFrame::Place(TFrameViewer* viewer, const TElement& element) {
  if (fillArea_) {
    if (viewer->parentWidget() != host_.Window()) viewer->setParent(host_.Window());
    viewer->setGeometry(*fillArea_);
    viewer->raise();
    return;
  }
  TPanelBkgrd* panel = host_.Panel();
  if (element.screen == 1 && panel) {
    QSplitter* splitter = panel->Splitter();
    if (splitter->indexOf(viewer) < 0) splitter->addWidget(viewer);
    panel->show();
    return;
  }
  if (viewer->parentWidget() != host_.Window()) viewer->setParent(host_.Window());
  viewer->setGeometry(element.rect);
}

void THtmlFrame::ShowScreenPane(int screen) {
  screen_ = screen;
  const auto element =
      std::find_if(elements_.begin(), elements_.end(), [this](const TElement& e) { return e.screen == screen_; });
  const int viewerIndex = CurrentViewerIndex();
  if (element != elements_.end() && viewerIndex >= 0) {
    curElement_ = static_cast<int>(element - elements_.begin());
    curViewer_ = viewerIndex;
    TFrameViewer* viewer = viewers_[viewerIndex];
    try {
      if (viewer->History.empty()) {
        viewer->LoadFromFile(element->file);
      } else if (THTMLViewer* active = viewer->ActiveViewer()) {
        active->SetPosition(0);
      }
      Place(viewer, *element);
      viewer->show();
    } catch (const std::exception& e) {
      viewer->hide();
      qCWarning(lcErrors) << e.what();
    }
  }
  if (host_.Panel() && screen_ != 1) host_.Panel()->hide();
  const int previous = ViewerIndexOfScreen(prevScreen_);
  if (prevScreen_ != screen_ && previous >= 0) viewers_[previous]->hide();
  prevScreen_ = screen_;
  // The screen's history lists were made afresh with the screen: they offer this viewer's
  // history even when showing it changed nothing.
  UpdateHistoryControls();
}

// A page shown again goes to its top, or to its anchor when the name has one (a contents
// entry that leads into a page).
void THtmlFrame::ScrollToTopOrAnchor(TFrameViewer* viewer, const std::string& file) {
  THTMLViewer* active = viewer->ActiveViewer();
  if (!active) return;
  const std::string anchor = AnchorOf(file);
  if (anchor.empty() || !active->ScrollToAnchor(FromCp1251(anchor))) active->SetPosition(0);
}

void THtmlFrame::ShowInViewer(TFrameViewer* viewer, const std::string& file) {
  const auto& history = viewer->History;
  const auto entry =
      std::find_if(history.begin(), history.end(), [&](const std::string& name) { return SameName(name, file); });
  if (entry != history.end())
    viewer->SetHistoryIndex(static_cast<int>(entry - history.begin()));
  else
    viewer->LoadFromFile(file);
}

void THtmlFrame::ShowInElement(int number, const std::string& file) {
  const auto element =
      std::find_if(elements_.begin(), elements_.end(), [&](const TElement& e) { return e.number == number; });
  if (element == elements_.end()) return;
  const int viewerIndex = ViewerIndexOfScreen(element->screen);
  TFrameViewer* viewer = viewers_[viewerIndex];
  const std::string name = file.empty() ? element->file : file;
  try {
    if (element->screen == screen_) {
      ShowInViewer(viewer, name);
      Place(viewer, *element);
      viewer->show();
      ScrollToTopOrAnchor(viewer, name);
      curElement_ = static_cast<int>(element - elements_.begin());
    } else {
      // Ready for when that screen is shown.
      ShowInViewer(viewer, name);
    }
  } catch (const std::exception& e) {
    viewer->hide();
    qCWarning(lcErrors) << e.what();
  }
}

void THtmlFrame::FillParent(const QRect& area) {
  fillArea_ = area;
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || viewer->isHidden()) return;
  Place(viewer, elements_[curElement_]);
  viewer->show();
}

void THtmlFrame::RestoreBounds() {
  fillArea_.reset();
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || viewer->isHidden()) return;
  Place(viewer, elements_[curElement_]);
  viewer->show();
}

void THtmlFrame::ShowFile(const std::string& file) {
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || viewer->isHidden()) return;
  const auto& history = viewer->History;
  const auto entry =
      std::find_if(history.begin(), history.end(), [&](const std::string& name) { return SameName(name, file); });
  if (entry != history.end()) {
    viewer->SetHistoryIndex(static_cast<int>(entry - history.begin()));
    ScrollToTopOrAnchor(viewer, file);
    return;
  }
  viewer->AddVisitedLink(file);
  viewer->CheckVisitedLinks();
  viewer->LoadFromFile(file);
}

void THtmlFrame::GoToHistory(int index) {
  if (TFrameViewer* viewer = CurrentViewer()) viewer->SetHistoryIndex(index);
}

bool THtmlFrame::IsArchiveMode() const { return ArchiveModeOf(CurrentViewer()); }

bool THtmlFrame::ArchiveModeOf(const TFrameViewer* viewer) const {
  const auto it = std::find(viewers_.begin(), viewers_.end(), viewer);
  return it != viewers_.end() && archiveMode_[it - viewers_.begin()];
}

void THtmlFrame::SetArchiveMode(bool on) {
  const int index = CurrentViewerIndex();
  if (index >= 0) archiveMode_[index] = on;
}

void THtmlFrame::ScrollToTop() {
  if (TFrameViewer* viewer = CurrentViewer())
    if (THTMLViewer* active = viewer->ActiveViewer()) active->SetPosition(0);
}

void THtmlFrame::SelectAllText() {
  TFrameViewer* viewer = CurrentViewer();
  if (viewer && !viewer->isHidden()) viewer->SelectAll();
}

void THtmlFrame::CopySelection() {
  if (TFrameViewer* viewer = CurrentViewer()) viewer->CopyToClipboard();
}
