#include "platform/ui/VideoSurface.h"

#include <QPainter>

TVideoSurface::TVideoSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Clicks and movement belong to the window the video is drawn in.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TVideoSurface::SetFrame(const QImage& frame) {
  frame_ = frame;
  update();
}

void TVideoSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (frame_.isNull())
    painter.fillRect(rect(), Qt::black);
  else
    painter.drawImage(rect(), frame_);
}
