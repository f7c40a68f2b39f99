#pragma once
// The fade-in of a whole window (the skinned dialog, the about window): the window appears
// over what the screen showed there, in 52 steps of a 1 ms timer, alpha 5, 10, ... 255.
// While it runs, the window paints the current blend (Frame()) instead of itself.

#include "media/SuperTimer.h"
#include "tools/FastBmp.h"

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>

class QWidget;

class TEffCar : public QObject {
  Q_OBJECT

 public:
  static constexpr int AlphaStep = 5;

  explicit TEffCar(QWidget* window);
  ~TEffCar() override;

  // Starts the fade of the window, about to be shown at `screenRect` (screen coordinates):
  // `behind` is what the screen shows there now (a null picture counts as black) and the
  // window's own picture is taken from the window itself.
  void Start(const QRect& screenRect, const QImage& behind);
  // Ends a running fade at once, as if it had run to its end.
  void Finish();

  bool Running() const { return running_; }
  // The blend shown now; null when no fade runs.
  const QImage& Frame() const { return frame_; }
  TSuperTimer* Timer() const { return timer_.get(); }
  void Tick();

  // Around the fade: the dialog hides its search fields, which would stand over the blend.
  std::function<void()> OnStart, OnFinish;

  // What the screen shows in `screenRect` now; a null picture where it cannot be read.
  static QImage GrabScreen(const QRect& screenRect);

 private:
  void Show(int alpha);

  QWidget* window_;
  std::unique_ptr<TSuperTimer> timer_;
  std::unique_ptr<TFastBMP> behind_, front_, blend_;
  QImage frame_;
  bool running_ = false;
};
