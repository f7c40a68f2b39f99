#pragma once
// The 3D view: on the first screen the command "3d" replaces a fixed rectangle of the skin by
// a looping video ("car.avi", a turning car) and "2d" brings the still picture back. Clicking
// the video pauses and resumes it. The view keeps the window's skin picture in step with what
// it shows, so that repainting the skin never wipes the video's place: while the video plays
// the skin holds the still picture there, while it is frozen the frame it stopped at.

#include "media/MPlayer.h"

#include <QImage>
#include <QJsonObject>
#include <QRect>
#include <memory>
#include <string>

class QWidget;
class TMediaHost;

class TMyAviPlayer {
 public:
  explicit TMyAviPlayer(TMediaHost& host);
  ~TMyAviPlayer();

  std::unique_ptr<TMPlayer> Player;  // created by the first Setup
  bool Active = false;               // switched on by "3d"
  bool Frozen = true;                // halted by the view itself, a picture in its place
  bool UserPaused = false;           // the last click paused it
  QRect Rect;
  QWidget* Window = nullptr;
  QWidget* DisplayWindow = nullptr;
  QImage BackgroundPicture;  // the skin under Rect at setup
  QImage FramePicture;       // the frame on screen when the video was frozen

  // Nothing when `window` is none or the name is blank. Raises EMCIDeviceError when the
  // video cannot be opened (the rectangle keeps showing the skin).
  void Setup(QWidget* window, QWidget* displayWindow, const QRect& rect, const std::string& fileName);
  // Frozen, stopped or paused (or not open: nothing plays); when playing, looks again after
  // 100 ms.
  bool IsIdle();
  bool Contains(int x, int y) const { return Rect.contains(x, y); }
  // The end of a play: from the beginning again, while the view is on and not frozen.
  void LoopPlay();
  void PaintFrozen(QImage& canvas);
  // Pauses a playing video (freezing it) or plays a paused one; false when the view is off
  // or the point lies outside.
  bool Click(int x, int y);
  void SetActive(bool on);
  void Freeze();
  void Unfreeze();
  void ResumeUnlessPaused();
  void Shutdown();

  // exists (always true here), active, frozen, userPaused.
  QJsonObject StateForDump() const;

 private:
  void WaitUntilIdle();
  void PutIntoSkin(const QImage& picture);

  TMediaHost& host_;
};
