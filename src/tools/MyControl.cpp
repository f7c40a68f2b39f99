#include "tools/MyControl.h"

#include <QMouseEvent>

TMyControl::TMyControl(QWidget* window, const QRect& rect, const QString& hint) : QWidget(window) {
  setGeometry(rect);
  setToolTip(hint);
  setMouseTracking(true);
  setAttribute(Qt::WA_NoSystemBackground);
  show();
}

void TMyControl::Forward(const TMouseHandler& handler, QMouseEvent* event) {
  if (handler) handler(event, event->position().toPoint() + pos());
}

void TMyControl::mouseMoveEvent(QMouseEvent* event) { Forward(OnMouseMove, event); }
void TMyControl::mousePressEvent(QMouseEvent* event) { Forward(OnMouseDown, event); }
void TMyControl::mouseReleaseEvent(QMouseEvent* event) { Forward(OnMouseUp, event); }
