#pragma once
// The skinned dialog: one borderless window, always on top, whose pages come from
// "Dialog.txt". It shows one page at a time, centred on the main window, fading in. Page 0
// shows a message, page 1 is the search page, pages 2 and 3 are the printing notices.

#include "platform/ui/SkinScale.h"
#include "search/MakeFind.h"
#include "tools/EffBtnCar.h"
#include "windows/DialogDescription.h"

#include <QImage>
#include <QJsonObject>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QListWidget;
class TDialogHost;
class TEffCar;
class TMyControl;

class TCoolDialog : public QWidget, public TFadeHost {
  Q_OBJECT

 public:
  static constexpr int MessagePage = 0;
  static constexpr int SearchPage = 1;
  static constexpr int NoPrinterPage = 2;
  static constexpr int PrinterUnavailablePage = 3;
  static constexpr int CutHeight = 115;  // the search page without results
  static constexpr const char* FileName = "Dialog.txt";

  // Reads the stored switch states of `pages`.
  TCoolDialog(TDialogHost& host, TDialogPages pages, QWidget* parent);
  ~TCoolDialog() override;

  // The dialog of the book when it has a "Dialog.txt" that can be read; otherwise nothing
  // (a damaged file is reported to the error log with its line).
  static std::unique_ptr<TCoolDialog> Create(TDialogHost& host, QWidget* parent);

  // Shows `page` (counted from 0) with `message` (Windows-1251) in its text area. A page whose
  // picture cannot be loaded is not shown; false then.
  bool ShowPage(int page, const std::string& message = {});
  // Shows `message` on the message page: the one call for anything the reader must be told.
  void ShowMessage(const std::string& message) { ShowPage(MessagePage, message); }
  // Runs a button's or switch's command; true when it closed the dialog.
  bool RunDialogCommand(const std::string& command, const std::string& sound);
  void ShowResults(const TSearchResults& results);
  void SetSearchButtonHint(const QString& hint);
  // Closes the dialog and stores its switch states.
  void FormClose();

  int Page() const { return page_; }
  const TDialogPages& Pages() const { return pages_; }
  QImage& Background() { return background_; }
  bool FadeRunning() const;
  QListWidget* ResultList() const { return results_; }
  QJsonObject StateForDump() const;

  // Mouse, in dialog coordinates.
  void FormMouseMove(QPoint at);
  void FormMouseDown(QPoint at);
  void FormMouseUp(QPoint at);
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

  // TFadeHost
  bool FadeDrawable() const override { return isVisible(); }
  void DrawFadeFrame(const QImage& frame, QPoint at) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TButtonPic {
    QImage up, mv, dn;
    QRect place;  // where the button is drawn, after moving with a wide message
    bool hover = false;
    bool pressed = false;
    TMyControl* control = nullptr;
    TEffBtnCar* effect = nullptr;
  };
  struct TSwitchPic {
    QImage up, mvUp, mvDn, dn;
    TMyControl* control = nullptr;
    TEffBtnCar* effect = nullptr;
  };

  void FormPaint(QPainter& painter);
  void ReadStoredStates();
  void StoreStates() const;
  TMyControl* CreateControl(const QRect& rect, const std::string& hint);
  void BuildButtons();
  void BuildSwitches();
  void ComposeBackground(const QImage& picture, const std::string& message);
  void ClearPage();
  void RemoveResults();
  void ResultClicked(int row);

  TDialogHost& host_;
  TDialogPages pages_;
  int page_ = -1;
  std::string message_;
  std::vector<TButtonPic> buttons_;
  std::vector<TSwitchPic> switches_;
  QImage background_;
  TScreenPictures screenPictures_;
  TScreenPicture screenBackground_;  // the progress bar draws into the background
  int fullHeight_ = 0;
  QListWidget* results_ = nullptr;
  TSearchResults shownResults_;
  TEffCar* fadeIn_ = nullptr;
  std::map<std::pair<int, int>, QImage> fadeFrames_;  // by element corner, while the page is shown
};
