#pragma once
// The cross-fade of a skin element's picture: when the mouse enters, presses or leaves an
// element, its old picture fades into the new one over about 64 ticks of a 1 ms timer, drawn
// straight onto the window that owns the element.

#include "media/SuperTimer.h"
#include "tools/FastBmp.h"

#include <QImage>
#include <QObject>
#include <QPoint>

#include <memory>

// The window a fade draws on (main window, skinned dialog, about window).
class TFadeHost {
 public:
  virtual ~TFadeHost() = default;
  // Whether frames should be drawn now; a hidden dialog answers false.
  virtual bool FadeDrawable() const = 0;
  // Shows the frame with its top-left corner at `at` at once (stores it and repaints that rectangle).
  virtual void DrawFadeFrame(const QImage& frame, QPoint at) = 0;
};

class TEffBtnCar : public QObject {
  Q_OBJECT

 public:
  explicit TEffBtnCar(TFadeHost* host, QObject* owner = nullptr);
  ~TEffBtnCar() override;

  TSuperTimer* FadeTimer() const { return fadeTimer_.get(); }
  // The buffers exist only while a fade runs.
  const TFastBMP* FromBuffer() const { return fromBuffer_.get(); }
  const TFastBMP* ToBuffer() const { return toBuffer_.get(); }
  const TFastBMP* OutBuffer() const { return outBuffer_.get(); }
  TFadeHost* Host() const { return host_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  bool Running() const { return running_; }
  int StartLevel() const { return startLevel_; }  // blend level the current fade began at
  int Step() const { return step_; }              // blend levels per tick
  void SetStep(int value);                        // at least 1, so that every fade ends

  // Fades from `from` to `to` (pictures of equal size) at the element's corner `at`. During a
  // running fade it reverses from the level reached, so the picture never jumps.
  void StartFade(const QImage& from, const QImage& to, QPoint at);
  // Stops at once and frees the buffers; nothing more is drawn.
  void StopFade();
  void FadeTick();
  void DrawFade();

 private:
  void FreeBuffers();

  TFadeHost* host_;
  std::unique_ptr<TSuperTimer> fadeTimer_;
  std::unique_ptr<TFastBMP> fromBuffer_;
  std::unique_ptr<TFastBMP> toBuffer_;
  std::unique_ptr<TFastBMP> outBuffer_;
  int x_ = 0;
  int y_ = 0;
  bool running_ = false;
  int startLevel_ = 0;
  int step_ = 1;
};
