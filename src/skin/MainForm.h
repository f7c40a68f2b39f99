#pragma once
// The skinned main window: borderless, shaped, drawn entirely from the book's main
// description. Creation (`FormCreate`) works out the folders, opens the pack, picks the role
// and, in the main role, builds the window from "Struct.txt".

#include "app/CommandLine.h"
#include "app/DescriptionSyntax.h"
#include "document/PaneHost.h"
#include "document/PopupHost.h"
#include "app/SkinModel.h"
#include "skin/SkinPictures.h"
#include "tools/EffBtnCar.h"
#include "windows/InstanceHost.h"
#include "windows/StandardWindow.h"

#include <QImage>
#include <QJsonObject>
#include <QWidget>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

class QTimer;
class TAnimatedPicture;
class TArchiveBrowser;
class TContentsTrees;
class TControlPopupWindow;
class THtmlFrame;
class TMyControl;
class TNavFont;
class TPanelBkgrd;
class TPathInputBox;
class TScaleBar;
class TStatusLine;
class TTextMsg;
class TNamedGuard;
class TSuperTimer;
class TInstanceMessages;

// The book cannot start: the message says why.
struct TStartFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TMainForm : public QWidget,
                  public TFadeHost,
                  public TPaneHost,
                  public TPopupHost,
                  public TInstanceHost,
                  public TStandardWindowHost {
  Q_OBJECT
 public:
  explicit TMainForm(const TCommandLine& commandLine);
  ~TMainForm() override;

  // Throws TStartFailure for a book that cannot start.
  void FormCreate();
  void FinishStartup();

  TSkinModel Skin;
  QImage BackgroundBitmap;
  std::vector<RBtnPic> BtnPics;
  std::vector<RSwthPic> SwthOnePics;
  std::vector<RSwthPic> SwthGrpPics;

  // Components, created by the build in this order (absent ones were not declared).
  std::unique_ptr<TStatusLine> StatusLine;
  std::unique_ptr<TNavFont> NavFont;
  TPanelBkgrd* PanelBkgrd = nullptr;
  std::unique_ptr<TTextMsg> TextMsg;
  std::unique_ptr<THtmlFrame> HtmlFrame;  // only when a document pane is declared
  std::unique_ptr<TPathInputBox> PathInput;
  std::unique_ptr<TControlPopupWindow> PopupLists;  // only when popups are declared
  std::unique_ptr<TContentsTrees> Trees;  // only when one or two trees are declared
  std::unique_ptr<TScaleBar> ScaleBar;
  std::unique_ptr<TArchiveBrowser> ArchiveBrowser;

  // The process is ending (a second instance of the book): no event loop is needed.
  bool Terminating() const { return terminating_; }
  bool OpeningRunning() const;
  int OpeningTicks() const { return openingTicks_; }
  // The window as a reader sees it, with the pixels outside its shape transparent.
  QImage Snapshot();

  // Element kinds as commands name them: 0 button, 1 toggle switch, 2 grouped switch.
  enum class TKind { Button = 0, SwitchOne = 1, SwitchGrp = 2 };
  enum class TLook { Up, Mv, Dn, MvUp, MvDn };
  void DrawCaption(TKind kind, int index, TLook look);
  void BuildScreenPictures();
  void ComposeBackground();

  // Commands and screens.
  void RunCommand(const std::string& command, const std::string& sound, int index, TKind kind, bool replay);
  void SwitchScreen(int target, TKind kind, int index);
  void ReplaySwitches(bool leaveOut3d);
  void Arm3dRestart();
  bool Restart3dPending() const;
  int ExitButtonIndex = -1;

  // Mouse, in window coordinates.
  void FormMouseMove(QPoint at);
  void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
  void FormMouseUp(QPoint at);

  // Keys and the window's end.
  bool FormKeyDown(QObject* sender, int key, Qt::KeyboardModifiers shift);
  void FormClose();
  void QuitMainWindow();
  bool ClosingRunning() const;
  int ExitSequencesStarted() const { return exitSequences_; }
  void StoreSwitchStates();

  // TFadeHost
  bool FadeDrawable() const override { return isVisible(); }
  void DrawFadeFrame(const QImage& frame, QPoint at) override;

  // TPaneHost and TPopupHost
  QWidget* Window() override { return this; }
  TPanelBkgrd* Panel() override { return PanelBkgrd; }
  THtmlFrame* Pane() override { return HtmlFrame.get(); }
  TControlPopupWindow* Popups() override { return PopupLists.get(); }
  void RunPopupCommand(const std::string& command) override;
  void SetStatusText(const std::string& text) override;
  std::optional<std::string> InstallFolder() override;
  void ShowPageTitle(const std::string& title) override;
  void PanePageChanged(const std::string& file) override;
  void PressSwitchSilently(QPoint at) override;
  void PointerLeftSkin() override;
  std::vector<TChapterButton> ChapterButtons() override;
  void HistoryControlsChanged() override;
  void ShowLinkTarget(const std::string& text) override;

  // TInstanceHost
  void RunMessageCommand(const std::string& command) override;
  std::string ShownFile() override;
  void HelpKey() override;
  void PrintPicture(const TPrintRequest& request) override;

  // Standard window mode ("standartwin"; picture windows always).
  void EnterStandardWindow();
  TStandardWindow* StandardWindow() const { return standardWindow_.get(); }
  TInstanceMessages* Instances() const { return instanceMessages_.get(); }
  TRole Role() const { return commandLine_.Role(); }

  // TStandardWindowHost
  void HideFields(bool hidden) override;
  QSize SkinSize() override { return BackgroundBitmap.size(); }
  void HistoryStep(bool forward) override;
  void PrintDocument() override;

 // The state a scripted run dumps.
  QJsonObject StateForDump() const;

 Q_SIGNALS:
  void OpeningFinished();
  // The application should end now (the closing effect has ended, or a secondary window
  // was told to go). The program's entry connects it to the event loop's end.
  void TerminateApplication();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormPaint(QPainter& painter);
  void OpenBookPack();
  std::string NoDescriptionMessage() const;
  void RunSecondaryRole(TRole role);
  void RunPictureWindow();
  QJsonObject InstancesForDump() const;
  void ReadBookTitle();
  void BuildWindow();
  void ApplyMainShape();
  void LoadBackground();
  void RestoreSwitchStates();
  void CreateComponents();
  void CreatePiston();
  void CreatePopupLists();
  // The bottom-right corner of a button of the screen shown, in screen coordinates.
  QPoint ButtonCorner(int index) const;
  void AddBookFonts();
  void OpeningTick();
  QImage LoadPicture(const std::string& name) const;
  void ClearScreenPictures();
  TMyControl* CreateControl(const QRect& rect, const std::string& hint);
  void ClosingTick();
  bool TreeSwitchIgnored(const RSwthOne& toggle) const;
  void FormDestroy();

  TCommandLine commandLine_;
  TLines lines_;
  bool terminating_ = false;
  bool built_ = false;  // the main role's build ran: its states are worth storing
  std::unique_ptr<TNamedGuard> instanceGuard_;
  std::unique_ptr<TInstanceMessages> instanceMessages_;
  std::unique_ptr<TStandardWindow> standardWindow_;
  TAnimatedPicture* piston_ = nullptr;
  TSuperTimer* openingTimer_ = nullptr;
  TSuperTimer* closingTimer_ = nullptr;
  int closingX_ = 0, closingY_ = 0;
  int nestedSwitches_ = 0;
  QTimer* restart3dTimer_ = nullptr;  // created the first time a "3d" switch needs it
  int exitSequences_ = 0;
  int openingX_ = 0, openingY_ = 0, openingTicks_ = 0;
  std::vector<std::string> addedFonts_;
  std::map<std::pair<int, int>, QImage> fadeFrames_;  // by element corner, while fades run
};
