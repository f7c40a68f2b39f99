#pragma once
// The slide areas ("_image") of the main window: in each, the pictures of a folder shown one
// at a time, by command or, when the reader turned the slide show on, by a timer in the
// order the settings choose. One picture index serves every area.

#include "app/SkinModel.h"

#include <QJsonObject>
#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

class TSlideImage : public QObject {
  Q_OBJECT

 public:
  // The window's mouse-move handler; mouse movement over a picture reaches it as (-1, -1).
  using TMouseMove = std::function<void(QPoint)>;

  // Reads the folders and shows the areas of the current screen. The timer takes its
  // interval from Global.Options and starts stopped.
  TSlideImage(QWidget* window, const TDynamicImageArray& areas, TMouseMove mouseMove);
  ~TSlideImage() override;

  // The window shows Global.CurrentScreen now.
  void ScreenChanged();
  void NextPicture();
  void PreviousPicture();
  // One step in the order of Global.Options.ImageSequence.
  void SlideTick();

  // The settings changed: the timer runs or stops at once, whatever the screen.
  void EnableTimer(bool on);
  void SetInterval(int seconds);

  int AreaCount() const { return static_cast<int>(images_.size()); }
  QLabel* Image(int area) const { return images_[area]; }
  int ImageScreen(int area) const { return imageScreens_[area]; }
  const std::vector<std::string>& FileList(int area) const { return fileLists_[area]; }
  int CurrentArea() const { return currentArea_; }
  int PictureIndex() const { return pictureIndex_; }
  int LastScreen() const { return lastScreen_; }
  const QTimer& SlideTimer() const { return slideTimer_; }
  // The file an area shows; empty while it shows none.
  const std::string& ShownFile(int area) const { return shownFiles_[area]; }

  QJsonObject StateForDump() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load(int area, int index);
  void ShowStep(std::optional<int> index);

  std::vector<QPointer<QLabel>> images_;
  std::vector<int> imageScreens_;
  std::vector<std::vector<std::string>> fileLists_;
  std::vector<std::string> shownFiles_;
  int currentArea_ = 0;
  int pictureIndex_ = 0;
  int lastScreen_ = -1;
  QTimer slideTimer_;
  TMouseMove mouseMove_;
};
