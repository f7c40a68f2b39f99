#pragma once
// The skinned main window: borderless, shaped, drawn entirely from the book's main
// description. Creation (`FormCreate`) works out the folders, opens the pack, picks the role
// and, in the main role, builds the window from "Struct.txt".

#include "app/CommandLine.h"
#include "app/DescriptionSyntax.h"
#include "app/SkinModel.h"
#include "document/PaneHost.h"
#include "document/PopupHost.h"
#include "media/MediaHost.h"
#include "platform/ui/SkinScale.h"
#include "print/PrintHost.h"
#include "search/SearchHost.h"
#include "skin/SkinPictures.h"
#include "tools/EffBtnCar.h"
#include "windows/DialogHost.h"
#include "windows/InstanceHost.h"
#include "windows/StandardWindow.h"

#include <QImage>
#include <QJsonObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

class QTimer;
class TAboutBox;
class TAnimatedPicture;
class TArchiveBrowser;
class TCoolDialog;
class TBackgroundMusic;
struct TCommand;
class TMyAviPlayer;
class TSound;
class TStartClip;
class TContentsTrees;
class TControlPopupWindow;
class TFindTxtHtml;
class THtmlFrame;
class TMyControl;
class TNavFont;
class TPanelBkgrd;
class TPathInputBox;
class TScaleBar;
class TSlideImage;
class TStatusLine;
class TTextMsg;
class TNamedGuard;
class TSuperTimer;
class TInstanceMessages;
class TPreviewForm;
class TFormOptions;

// The book cannot start: the message says why.
struct TStartFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TMainForm : public QWidget,
                  public TFadeHost,
                  public TPaneHost,
                  public TPopupHost,
                  public TMediaHost,
                  public TInstanceHost,
                  public TStandardWindowHost,
                  public TPrintHost,
                  public TDialogHost,
                  public TSearchHost {
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
  std::unique_ptr<TFormOptions> FormOptions;  // the settings dialog; made in the main role
  std::unique_ptr<TStatusLine> StatusLine;
  std::unique_ptr<TNavFont> NavFont;
  TPanelBkgrd* PanelBkgrd = nullptr;
  std::unique_ptr<TTextMsg> TextMsg;
  std::unique_ptr<THtmlFrame> HtmlFrame;  // only when a document pane is declared
  std::unique_ptr<TFindTxtHtml> FindTxt;  // only when a search field is declared
  std::unique_ptr<TPathInputBox> PathInput;
  std::unique_ptr<TSlideImage> Slides;              // only when slide areas are declared
  std::unique_ptr<TControlPopupWindow> PopupLists;  // only when popups are declared
  std::unique_ptr<TContentsTrees> Trees;            // only when one or two trees are declared
  std::unique_ptr<TScaleBar> ScaleBar;
  std::unique_ptr<TArchiveBrowser> ArchiveBrowser;
  // Made after the build, in the main role, when the book has a "Dialog.txt" that can be read.
  std::unique_ptr<TCoolDialog> Dialog;
  // Made by the first "about" when the book has an "About.txt" that can be shown.
  std::unique_ptr<TAboutBox> AboutBox;

  // Tells the reader something on the dialog's message page (page 1 of "Dialog.txt");
  // `text` is Windows-1251. Nothing without a dialog.
  void ShowDialogMessage(const std::string& text);
  std::unique_ptr<TBackgroundMusic> Music;
  std::unique_ptr<TSound> PagePlayer;
  std::unique_ptr<TMyAviPlayer> Clip3d;  // the 3D view, made by the first "3d"

  // The process is ending (a second instance of the book): no event loop is needed.
  bool Terminating() const { return terminating_; }
  bool OpeningRunning() const;
  int OpeningTicks() const { return openingTicks_; }
  // The window as a reader sees it, with the pixels outside its shape transparent and the
  // dialog over it when it shows.
  QImage Snapshot();
  // The settings, about and font windows while they show, the one on top last.
  std::vector<QWidget*> ModalWindows() const;

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
  void PlayMedia(const std::string& file) override;
  void HistoryControlsChanged() override;
  void ShowLinkTarget(const std::string& text) override;
  void ShowPrintPreview(THTMLViewer* document, bool asPicture, int pictureWidth, int pictureHeight) override;

  // TMediaHost (Window and PointerLeftSkin as above)
  QImage& SkinBackground() override { return BackgroundBitmap; }
  void ShowInElement(int number, const std::string& document) override;

  // The start clip while it plays; none before and after.
  TStartClip* StartClip() const { return startClip_; }

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

  // TPrintHost
  bool ShowDialogPage(int page) override;
  void PreviewHelp(QWidget* preview) override;
  // The print preview while it is open.
  TPreviewForm* Preview() const { return preview_; }
  // TDialogHost
  QRect MainWindowRect() override;
  void DialogKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
  void PlayButtonSound(const std::string& sound) override;
  void PaintDialogTexts(QPainter& painter) override;
  const TSearchResults& SearchResults() override;
  void StopSearch() override;
  void SetIndexMode() override;
  void SetContentsMode() override;
  void SetAllFiles(bool flag) override;
  void FindNext(int number) override;
  void PlaceSearchFields(QWidget* dialog, bool searchPage) override;
  void HideSearchFields(bool hide) override;
  void PrepareProgressBar() override;
  void OpenResult(const std::string& file) override;
  void DialogClosed() override;

  // TSearchHost (Window, Pane, SetStatusText and PointerLeftSkin serve both hosts)
  TContentsTrees* ContentsTrees() override;
  TScaleBar* ProgressBar() override;
  void ClearStatus() override;
  void SetSearchButtonHint(const QString& hint) override;
  void ShowResults(const TSearchResults& results) override;
  void RunDialogCommand(const std::string& command, const std::string& sound) override;

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
  void RunThesaurusWindow();
  void OpenThesaurus();
  QJsonObject InstancesForDump() const;
  QJsonObject PreviewForDump() const;
  QJsonObject WindowsForDump() const;
  void ReadBookTitle();
  void BuildWindow();
  void ApplyMainShape();
  // The free interface size: the reader drags the window's edges.
  void EnableFreeSize();
  void FreeSizeDragged(double factor, QPoint deviceTopLeft);
  void LoadBackground();
  void RestoreSwitchStates();
  void EnableOptionBoxes();
  void CreateComponents();
  void CreatePiston();
  void CreatePopupLists();
  // The bottom-right corner of a button of the screen shown, in screen coordinates.
  QPoint ButtonCorner(int index) const;
  void CreateDialog();
  // Media: the players, their commands, the 3D view, what the window does with them as it goes.
  void InstallCodecs();
  void CreateMusicPlayer();
  void CreatePagePlayer();
  void PlayStartClipOrFinish();
  void StartMusic();
  void Start3dViewShownOnStart();
  // False when the command is none of the media commands.
  bool RunMediaCommand(const TCommand& command, TKind kind);
  bool View3dPlaying();
  // The 3D view is on and owns the point: the skin leaves the mouse alone there.
  bool Over3dView(QPoint at) const;
  void Freeze3dIfPlaying();
  void ReleaseMedia();
  void AddMediaState(QJsonObject& state) const;
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
  // The key press the window last acted on, to know it again as it goes on to the parents.
  struct {
    const QEvent* event = nullptr;
    quint64 timestamp = 0;
    QPointer<QWidget> receiver;
  } lastKey_;
  bool built_ = false;  // the main role's build ran: its states are worth storing
  std::unique_ptr<TNamedGuard> instanceGuard_;
  std::unique_ptr<TInstanceMessages> instanceMessages_;
  std::unique_ptr<TStandardWindow> standardWindow_;
  TPreviewForm* preview_ = nullptr;
  TAnimatedPicture* piston_ = nullptr;
  TSuperTimer* openingTimer_ = nullptr;
  TSuperTimer* closingTimer_ = nullptr;
  int closingX_ = 0, closingY_ = 0;
  int nestedSwitches_ = 0;
  QTimer* restart3dTimer_ = nullptr;  // created the first time a "3d" switch needs it
  TStartClip* startClip_ = nullptr;
  int exitSequences_ = 0;
  int openingX_ = 0, openingY_ = 0, openingTicks_ = 0;
  std::vector<std::string> addedFonts_;
  std::map<std::pair<int, int>, QImage> fadeFrames_;  // by element corner, while fades run
  // The pictures as the screen shows them (see SkinScale).
  TScreenPictures screenPictures_;
  TScreenPicture screenBackground_;  // changes in place: a frozen clip frame
};
