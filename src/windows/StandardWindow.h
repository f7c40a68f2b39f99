#pragma once
// The standard window mode of the main window object: an ordinary sizeable window with a tool
// bar, history menus and a status bar around the document pane. Picture windows always run
// in it; the main role enters it on "standartwin" and leaves it through the tool bar's
// "Свернуть".

#include <QJsonObject>
#include <QObject>
#include <QRegion>
#include <QSize>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class QWidget;
class THtmlFrame;

class TStandardWindowHost {
 public:
  virtual ~TStandardWindowHost() = default;

  virtual QWidget* Window() = 0;
  virtual THtmlFrame* Pane() = 0;
  // The search fields and the path boxes have no place in the standard window.
  virtual void HideFields(bool hidden) = 0;
  // The skin's background picture's size: the window's size in skinned mode.
  virtual QSize SkinSize() = 0;
  // One step through the history, with the switches of the screen shown.
  virtual void HistoryStep(bool forward) = 0;
  // Prints the page shown.
  virtual void PrintDocument() = 0;
};

class TStandardWindow : public QObject {
  Q_OBJECT
 public:
  // Positions of the tool bar's buttons.
  enum TToolButton { Back = 0, Forward = 1, Divider = 2, Print = 3, Collapse = 4, ToolButtonCount = 5 };
  static constexpr int kMenuItems = 7;

  TStandardWindow(TStandardWindowHost& host, bool pictureWindow);
  ~TStandardWindow() override;

  // `EnterStandardWindow` from its second step on; `commandLineFile` is the picture window's
  // file (empty in the main role), which sizes the window.
  void Enter(const std::string& commandLineFile);
  // `LeaveStandardWindow`: back to the skin's shape and size.
  void Leave();
  bool Active() const { return active_; }
  const std::string& ShownFile() const { return shownFile_; }

  // The tool bar's part of following the history; the window's caption becomes
  // "Увеличенная картинка".
  void UpdateHistoryControls();
  // The status bar's text over a link.
  void ShowLinkTarget(const std::string& text);
  void ToolButtonClick(int position);

  QToolBar* ToolBar() const { return toolBar_; }
  QStatusBar* StatusBar() const { return statusBar_; }
  QMenu* HistoryMenu(bool back) const { return back ? backMenu_ : forwardMenu_; }
  QAction* ToolAction(int position) const { return actions_[position]; }
  QToolButton* Button(int position) const;

  QJsonObject StateForDump() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateBars();
  QMenu* CreateHistoryMenu(const QString& title);
  void FillHistoryMenu(QMenu* menu, bool back);
  void LayOut();
  void SizeForFile(const std::string& file);
  void PlaceOnWorkArea();

  TStandardWindowHost& host_;
  bool pictureWindow_;
  bool active_ = false;
  std::string shownFile_;
  QRegion savedRegion_;
  QToolBar* toolBar_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QMenu* backMenu_ = nullptr;
  QMenu* forwardMenu_ = nullptr;
  std::vector<QAction*> actions_;  // by position on the bar
  std::vector<QWidget*> widgets_;  // in step with actions_
};
