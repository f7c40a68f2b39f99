#pragma once
// The skinned main window: borderless, shaped, drawn entirely from the book's main
// description. Creation (`FormCreate`) works out the folders, opens the pack, picks the role
// and, in the main role, builds the window from "Struct.txt".

#include "app/CommandLine.h"
#include "app/DescriptionSyntax.h"
#include "skin/SkinModel.h"
#include "skin/SkinPictures.h"
#include "tools/EffBtnCar.h"

#include <QImage>
#include <QWidget>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

class TAnimatedPicture;
class TNamedGuard;
class TSuperTimer;

// The book cannot start: the message says why.
struct TStartFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TMainForm : public QWidget, public TFadeHost {
  Q_OBJECT
 public:
  explicit TMainForm(const TCommandLine& commandLine);
  ~TMainForm() override;

  // Throws TStartFailure for a book that cannot start.
  void FormCreate();
  void FinishStartup();

  bool HasParams = false;
  TSkinModel Skin;
  QImage BackgroundBitmap;
  std::vector<RBtnPic> BtnPics;
  std::vector<RSwthPic> SwthOnePics;
  std::vector<RSwthPic> SwthGrpPics;

  // The process is ending (a second instance of the book): no event loop is needed.
  bool Terminating() const { return terminating_; }
  bool OpeningRunning() const;
  int OpeningTicks() const { return openingTicks_; }
  // The window as a reader sees it, with the pixels outside its shape transparent.
  QImage Snapshot();

  // Skin elements of the current screen.
  enum class TKind { Button, SwitchOne, SwitchGrp };
  enum class TLook { Up, Mv, Dn, MvUp, MvDn };
  void DrawCaption(TKind kind, int index, TLook look);
  void BuildScreenPictures();
  void ComposeBackground();

  // TFadeHost
  bool FadeDrawable() const override { return isVisible(); }
  void DrawFadeFrame(const QImage& frame, QPoint at) override;

 Q_SIGNALS:
  void OpeningFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormPaint(QPainter& painter);
  void RunSecondaryRole(TRole role);
  void ReadBookTitle();
  void BuildWindow();
  void ApplyMainShape();
  void LoadBackground();
  void RestoreSwitchStates();
  void CreatePiston();
  void AddBookFonts();
  void OpeningTick();
  void TakeScreenshotAndQuit();
  QImage LoadPicture(const std::string& name) const;
  void ClearScreenPictures();

  TCommandLine commandLine_;
  TLines lines_;
  bool terminating_ = false;
  std::unique_ptr<TNamedGuard> instanceGuard_;
  TAnimatedPicture* piston_ = nullptr;
  TSuperTimer* openingTimer_ = nullptr;
  int openingX_ = 0, openingY_ = 0, openingTicks_ = 0;
  std::vector<std::string> addedFonts_;
  std::map<std::pair<int, int>, QImage> fadeFrames_;  // by element corner, while fades run
};
