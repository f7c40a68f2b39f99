#pragma once
// The document pane: one engine frame viewer per screen that declares "_html" elements. It
// decides where each viewer sits, loads pages into it, keeps the history usable from the skin
// (back and forward with the switches that opened the pages), shows image tips, copies text
// and documents, takes dropped files and is where clicked links arrive.

#include "app/Settings.h"
#include "app/SkinModel.h"
#include "document/HistoryLists.h"
#include "document/ImageTipRules.h"

#include <QJsonObject>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QLabel;
class TArchiveLinks;
class TFrameViewer;
class THTMLViewer;
class TPaneHost;

// The viewer settings the reader chooses, kept under the book's key.
struct TViewerSettings {
  QString fontName = QString::fromLatin1(Settings::FontName.defaultValue);
  TColor fontColor = Settings::FontColor.defaultValue;
  int fontSize = Settings::FontSize.defaultValue;
  TColor hotSpotColor = Settings::HotSpotColor.defaultValue;
  TColor background = Settings::Background.defaultValue;
};

class THtmlFrame : public QObject {
  Q_OBJECT

 public:
  // `CreateDocumentPane`: the viewers are made for the screens of `declarations` (not empty),
  // and the pane of `screen`, the one shown, is shown.
  THtmlFrame(TPaneHost& host, const TDynamicHtmlArray& declarations, int screen);
  // Stores the viewer settings of the current screen's viewer.
  ~THtmlFrame() override;

  // The window shows `screen` now.
  void ShowScreenPane(int screen);
  void ShowInElement(int number, const std::string& file);
  void AddVisitGroup(const std::string& file);
  // Lets a load error through to the caller.
  void ShowFile(const std::string& file);
  void GoToHistory(int index);
  // The switches are those of the current screen, taken by value: the presses that
  // re-synchronise them change the skin's own records.
  void HistoryBack(TDynamicSwthOneArray toggles, TDynamicSwthGrpArray groups);
  void HistoryForward(TDynamicSwthOneArray toggles, TDynamicSwthGrpArray groups);
  void UpdateHistoryControls();

  TFrameViewer* CurrentViewer() const;
  bool IsArchiveMode() const;
  void SetArchiveMode(bool on);
  void ScrollToTop();
  void SelectAllText();
  void CopySelection();
  void CopyDocument();
  // The print preview of the page shown, or of `file` in a print viewer of its own (a
  // "printhtml:" link, another instance). Errors are swallowed.
  void PrintDocument(const std::string& file = {});
  // A picture to print, asked for by another instance.
  bool PrintAsPicture = false;
  int PictureWidth = 0;
  int PictureHeight = 0;
  // The standard window: the current viewer fills `area` of the window, also after screen
  // switches, until RestoreBounds puts it back where it was declared.
  void FillParent(const QRect& area);
  void RestoreBounds();

  // The engine's events.
  void LinkClicked(TFrameViewer* viewer, const QString& target, const QString& url, bool& handled);
  void LinkCovered(TFrameViewer* viewer, const QString& target, const QString& url);
  void HistoryChanged();
  void PaneKeyDown(QKeyEvent* event);
  void PaneMouseMove(TFrameViewer* viewer, QPoint at);
  // Closes the popup lists; a right click alone opens the page's context list there.
  void PaneMouseDown(TFrameViewer* viewer, Qt::MouseButtons buttons, QPoint at);
  void ImageHintTick();

  // The main window's file drop: `hostFiles` are host file names, in the order dropped.
  void WMDropFiles(const QStringList& hostFiles);

  QJsonObject StateForDump() const;

  // The archive browser that links to archives and archive listings go to; none: they are
  // opened like other files.
  void SetArchiveLinks(TArchiveLinks* archive) { archive_ = archive; }

  const std::vector<TFrameViewer*>& Viewers() const { return viewers_; }
  const std::vector<int>& ViewerScreens() const { return viewerScreens_; }
  int CurElement() const { return curElement_; }
  const std::vector<std::vector<std::string>>& VisitGroups() const { return visitGroups_; }
  int VisitIndex() const { return visitIndex_; }
  const TViewerSettings& Settings() const { return settings_; }
  // What the history popups offer for the page shown, kept by UpdateHistoryControls.
  const std::vector<THistoryItem>& HistoryBackItems() const { return historyBackItems_; }
  const std::vector<THistoryItem>& HistoryForwardItems() const { return historyForwardItems_; }
  QTimer& ImageHintTimer() { return imageHintTimer_; }
  QLabel* HintWindow() const { return hintWindow_; }

 private:
  struct TElement {
    QRect rect;  // from left, top, right and bottom as declared
    int number = 0;
    int screen = 0;
    std::string file;
  };

  void ReadSettings();
  void StoreSettings() const;
  TFrameViewer* CreateViewer(int index);
  int ViewerIndexOfScreen(int screen) const;
  int CurrentViewerIndex() const;
  bool ArchiveModeOf(const TFrameViewer* viewer) const;
  void Place(TFrameViewer* viewer, const TElement& element);
  // The history entry of `file`, or a new load.
  void ShowInViewer(TFrameViewer* viewer, const std::string& file);
  void ScrollToTopOrAnchor(TFrameViewer* viewer, const std::string& file);
  void StepHistory(bool forward, const TDynamicSwthOneArray& toggles, const TDynamicSwthGrpArray& groups);
  void ResynchroniseSwitches(const TDynamicSwthOneArray& toggles, const TDynamicSwthGrpArray& groups);
  void HideHint();
  TTipObject ObjectUnder(TFrameViewer* viewer, QPoint at) const;

  // LinkClicked's rows.
  void MarkVisited(TFrameViewer* viewer, const std::string& name, bool& handled);
  void OpenPictureWindow(TFrameViewer* viewer, const std::string& expanded, bool& handled);
  void CopyToInstallFolder(TFrameViewer* viewer, const std::string& url, const std::string& expanded, bool& handled);
  void CopyListSelection(TFrameViewer* viewer, const QString& name);
  void OrdinaryLink(TFrameViewer* viewer, const std::string& url, const std::string& expanded, bool& handled);
  void SaveZip(const std::string& file);
  // Tells the reader that nothing (or not all) landed in `targetFolder` (a Windows name), and
  // logs why.
  void ReportCopyFailure(const std::string& targetFolder, const std::string& problem);

  TPaneHost& host_;
  int screen_;  // the screen the window shows
  std::vector<TFrameViewer*> viewers_;
  std::vector<int> viewerScreens_;
  int curViewer_ = 0;
  int curElement_ = 0;
  std::vector<bool> archiveMode_;
  TViewerSettings settings_;
  std::vector<TElement> elements_;
  int prevScreen_ = -1;
  std::optional<QRect> fillArea_;  // set while the standard window's viewer fills it

  QTimer imageHintTimer_;
  TImageTipState tipState_;
  QLabel* hintWindow_ = nullptr;

  std::vector<THistoryItem> historyBackItems_, historyForwardItems_;

  std::vector<std::vector<std::string>> visitGroups_;  // per viewer
  int visitIndex_ = -1;
  TArchiveLinks* archive_ = nullptr;
};
