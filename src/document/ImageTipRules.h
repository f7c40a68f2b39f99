#pragma once
// When an image tip shows and goes: the timer starts when the mouse comes onto a titled
// picture; the tip shows on the second 200 ms tick (about 400 ms after the mouse stopped)
// and goes on the 21st, about 4 s after the timer started.

#include <QString>

// The object under the mouse, as the pane sees it.
struct TTipObject {
  bool present = false;  // any object of the page
  bool image = false;
  QString id;     // tells two pictures apart
  QString title;  // empty when the picture has none
};

class TImageTipState {
 public:
  enum class TStep { Nothing, Show, Hide };
  static constexpr int kShowTick = 2;
  static constexpr int kHideTick = 21;

  // True when the timer is to be started (the counter is then reset).
  bool MouseMove(const TTipObject& under, bool timerRunning);
  // One timer tick with the object now under the cursor. After Hide the caller stops the
  // timer; Show asks for the tip with `under`'s title.
  TStep Tick(const TTipObject& under);

  int Counter() const { return counter_; }
  bool Showing() const { return showing_; }
  const QString& Remembered() const { return remembered_; }

 private:
  TStep Hide();

  int counter_ = 0;
  bool showing_ = false;
  bool hasRemembered_ = false;
  QString remembered_;
};
