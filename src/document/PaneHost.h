#pragma once
// What the document side (the pane and the contents trees) needs of the window that holds it.
// The main window implements it; tests can implement it with a plain widget.

#include <QPoint>
#include <optional>
#include <string>
#include <vector>

class QWidget;
class TControlPopupWindow;
class TPanelBkgrd;
class THtmlFrame;
class THTMLViewer;

struct TChapterButton {
  bool next;         // runs "nextchapter", else "prevchapter"
  QWidget* control;  // carries the hint
};

class TPaneHost {
 public:
  virtual ~TPaneHost() = default;

  // The window viewers sit on when they are not on the background panel.
  virtual QWidget* Window() = 0;
  // The reading screen's panel with its splitter (tree left, page right), when declared.
  virtual TPanelBkgrd* Panel() = 0;
  virtual THtmlFrame* Pane() = 0;
  // The popup lists, when the window declares any: the pane fills the history lists and
  // opens the context list; clicks in the page or a tree close them.
  virtual TControlPopupWindow* Popups() = 0;

  virtual void SetStatusText(const std::string& text) = 0;
  // The folder of the path box (Windows name ending in '\'); nothing when there is no box.
  virtual std::optional<std::string> InstallFolder() = 0;
  virtual void ShowPageTitle(const std::string& title) = 0;
  // The pane shows another page (`file`, a full Windows name).
  virtual void PanePageChanged(const std::string& file) = 0;

  // A press with Shift on the skin element at `at`: the switch changes state and picture
  // without running its command.
  virtual void PressSwitchSilently(QPoint at) = 0;
  // The pointer left the skin for a child window (the skin drops its hover looks).
  virtual void PointerLeftSkin() = 0;
  // The buttons of the screen shown that run a chapter command.
  virtual std::vector<TChapterButton> ChapterButtons() = 0;
  // The page media player plays `file` (a sound a link names, or a file dropped on the
  // window), a full Windows name.
  virtual void PlayMedia(const std::string& file) = 0;

  // The history of the page shown changed: the standard window's tool bar follows it.
  virtual void HistoryControlsChanged() = 0;
  // What the link under the mouse leads to, for the standard window's status bar (empty
  // clears it); ignored while there is no status bar.
  virtual void ShowLinkTarget(const std::string& text) = 0;
  // Shows the print preview of `document` modally (`asPicture`: a picture of the given pixel
  // size, fitted onto one sheet).
  virtual void ShowPrintPreview(THTMLViewer* document, bool asPicture, int pictureWidth, int pictureHeight) = 0;
};
