#pragma once
// The frame-set viewer: shows a page, or a frameset with one THTMLViewer per frame (frames
// whose source is a frameset page become framesets in their turn), routes links to their
// target frames through the whole tree of frames and keeps the history of what was shown
// (newest first). Each page is read and pre-parsed once per load. File names are Windows
// names in Windows-1251; titles and URLs from pages are QString.

#include "app/DescriptionSyntax.h"
#include "html/FrameTree.h"
#include "html/HTMLViewer.h"

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QKeyEvent;
class QPainter;

class TFrameViewer : public QWidget {
  Q_OBJECT

 public:
  explicit TFrameViewer(QWidget* parent = nullptr);
  ~TFrameViewer() override;

  // Shows a page or frameset; the document shown before goes into the history. Throws
  // EHtmlLoadError "Can't locate file: " + name when the file is neither on disk nor in the
  // pack (nothing changes then). An anchor "#x" after the name scrolls to it.
  void LoadFromFile(const std::string& name);
  // Lays out the shown frames again with the current Def... settings; the scroll stays.
  void Reload();

  // The main document: the frameset file, or the page. Empty before the first load.
  std::string CurrentFile() const;

  // Shown documents, newest at index 0: the file loaded (for a link into a frame, the file
  // the frame got) and its title, in step. HistoryIndex is the entry on show.
  std::vector<std::string> History;
  std::vector<QString> TitleHistory;
  int HistoryIndex() const { return historyIndex_; }
  // Shows entry `index`; ignored for the current or an invalid index.
  void SetHistoryIndex(int index);
  int HistoryMaxCount = 10;
  int VisitedMaxCount = 20;
  bool BackButtonEnabled() const;
  bool FwdButtonEnabled() const;
  void GoBack();
  void GoFwd();

  // The viewer of the frame that has the focus or was clicked last, else the first frame, or
  // the single viewer of a page; nullptr when nothing is shown.
  THTMLViewer* ActiveViewer() const;
  // The viewer of the frame with that name (letter case ignored); nullptr when none.
  THTMLViewer* ViewerOfFrame(const QString& name) const;
  // Every viewer shown, frames in document order.
  std::vector<THTMLViewer*> Viewers() const;
  // The names of the frames, in step with Viewers() (empty for the single viewer of a page).
  std::vector<QString> FrameNames() const;

  // Follows a link of the active viewer as a click on it does when nobody handled it: a page
  // goes into its target frame (found in the whole tree of frames) or fills the viewer, a bare
  // "#anchor" scrolls. Throws EHtmlLoadError for a page that does not exist.
  void FollowLink(const QString& target, const QString& url);

  // Visited links: the newest VisitedMaxCount names are kept (lower-cased, expanded).
  void AddVisitedLink(const std::string& name);
  void CheckVisitedLinks();

  // A link target made a full Windows name relative to the active document: "/" and "\"
  // alike, "." and ".." resolved, an anchor "#x" kept; URLs with a scheme are unchanged.
  std::string HTMLExpandFilename(const QString& url) const;

  void CopyToClipboard();
  void SelectAll();

  // Appearance, handed to every viewer at the next load or Reload.
  QString DefFontName() const { return defFontName_; }
  void SetDefFontName(const QString& name) { defFontName_ = name; }
  TColor DefFontColor() const { return defFontColor_; }
  void SetDefFontColor(TColor color) { defFontColor_ = color; }
  int DefFontSize() const { return defFontSize_; }
  void SetDefFontSize(int size) { defFontSize_ = size; }
  TColor DefHotSpotColor() const { return defHotSpotColor_; }
  void SetDefHotSpotColor(TColor color) { defHotSpotColor_ = color; }
  TColor DefBackground() const { return defBackground_; }
  void SetDefBackground(TColor color) { defBackground_ = color; }
  TColor DefOverLinkColor() const { return defOverLinkColor_; }
  void SetDefOverLinkColor(TColor color) { defOverLinkColor_ = color; }
  bool ViewImages = true;
  int ImageCacheCount = 0;  // pictures are not cached across pages

  // Options: no frame borders between frames; links change colour under the mouse; links
  // are not underlined.
  bool NoBorder = false;
  bool OverLinksActive = true;
  bool NoLinkUnderline = false;

  // A link was clicked, before it is followed. When `handled` stays false the viewer follows
  // it: the page goes into the target frame (or the whole viewer) and into the history; a
  // bare "#anchor" scrolls.
  std::function<void(TFrameViewer*, const QString& target, const QString& url, bool& handled)> OnHotSpotTargetClick;
  // The mouse entered a link; `url` is empty when it left.
  std::function<void(TFrameViewer*, const QString& target, const QString& url)> OnHotSpotTargetCovered;
  // After any change of the shown document or of the history position.
  std::function<void(TFrameViewer*)> OnHistoryChange;
  std::function<void(QKeyEvent*)> OnKeyDown;
  std::function<void(QPoint)> OnMouseMove;  // in the coordinates of this widget
  std::function<void(Qt::MouseButtons, QPoint)> OnMouseDown;
  // Called per printed page to draw a header; set `stopPrinting` to end printing.
  std::function<void(TFrameViewer*, QPainter&, int numPage, int w, int h, bool& stopPrinting)> OnPrintHeader;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct State;
  // A page read and pre-parsed once for this load; throws EHtmlLoadError.
  const TPreparsedPage& Prepared(const std::string& file);
  TFrameNode FrameTreeOf(const QString& name, const std::string& file);
  void Show(const State& state, bool restorePositions);
  void SavePositions();
  void StorePositions(State& state) const;
  QWidget* BuildFrames(const TFrameNode& node, QWidget* parent);
  THTMLViewer* MakeViewer(QWidget* parent);
  void LinkClicked(THTMLViewer* viewer, const QString& target, const QString& url, bool& handled);
  void FollowLinkOf(THTMLViewer* viewer, const QString& target, const QString& url);
  void PushHistory(const State& state, const std::string& file, const QString& title);
  void ApplyAppearance(THTMLViewer* viewer) const;
  void HistoryChanged();

  std::vector<std::unique_ptr<State>> states_;  // in step with History
  int historyIndex_ = -1;
  std::unique_ptr<State> shown_;  // what the viewers show now
  QWidget* content_ = nullptr;
  std::vector<THTMLViewer*> viewers_;  // frames in document order
  THTMLViewer* active_ = nullptr;
  // Pages pre-parsed during one load, by lower-cased name without anchor.
  std::map<std::string, TPreparsedPage> prepared_;
  std::shared_ptr<std::set<std::string>> visited_;
  std::vector<std::string> visitedOrder_;  // newest first

  QString defFontName_ = QStringLiteral("Times New Roman");
  TColor defFontColor_ = 0x000000;
  int defFontSize_ = 12;
  TColor defHotSpotColor_ = 0xFF0000;
  TColor defBackground_ = 0xFFFFFF;
  TColor defOverLinkColor_ = 0x0000FF;
};
