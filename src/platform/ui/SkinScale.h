#pragma once
// The skinned windows drawn larger than their skin: every window of the process is laid out
// in the skin's own pixels (logical coordinates) and drawn at Global.InterfaceScale screen
// pixels for each of them. Qt's device-independent pixels carry the factor, so shapes, child
// controls, fonts and the mouse follow it; what is left here is the mapping for those who
// speak in screen pixels (scripts, screenshots) and pictures made ready for the screen.

#include <QImage>
#include <QPoint>
#include <unordered_map>

namespace SkinScale {

// Before the application object exists: the process's windows are drawn at `factor`.
void Apply(double factor);

// While the windows show: they are drawn at `factor` from now on. The windows shown are given
// their logical size again, so that their screen pixels follow.
void Change(double factor);

// A point in screen pixels of a window, in its logical coordinates, and back.
QPoint ToLogical(QPoint device);
QPoint ToDevice(QPoint logical);

// `picture` at the screen's pixels, scaled smoothly and marked with the factor, so that it is
// drawn at its logical place pixel for pixel; the picture itself at a factor of 1.
QImage ForScreen(const QImage& picture);

}  // namespace SkinScale

// Pictures made ready for the screen once each and drawn at every paint after that. A window
// clears it when it builds its pictures anew.
class TScreenPictures {
 public:
  const QImage& operator()(const QImage& picture);
  void Clear() { pictures_.clear(); }

 private:
  std::unordered_map<qint64, QImage> pictures_;  // by the logical picture's cache key
  double factor_ = 1;                            // the factor they were made for
};

// A picture that changes in place (a window's background, a progress bar drawn into it): made
// ready for the screen again only when it has changed since the last paint.
class TScreenPicture {
 public:
  const QImage& operator()(const QImage& picture);

 private:
  qint64 key_ = 0;
  double factor_ = 1;
  QImage screen_;
};
