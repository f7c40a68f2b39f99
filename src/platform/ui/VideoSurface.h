#pragma once
// Where a media device draws its video: a plain child window (or a window of its own) that
// shows the latest frame scaled to its rectangle, black before the first one.

#include <QImage>
#include <QWidget>

class TVideoSurface : public QWidget {
 public:
  explicit TVideoSurface(QWidget* parent);
  void SetFrame(const QImage& frame);
  const QImage& Frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage frame_;
};
