#include "support/ui/TestMediaHost.h"

#include <QPainter>

TTestMediaHost::TTestMediaHost(QColor skin, QSize size) : background_(size, QImage::Format_RGB32) {
  background_.fill(skin);
  resize(size);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTestMediaHost::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
}
