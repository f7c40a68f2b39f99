#include "media/ColorWinControl.h"

TColorWinControl::TColorWinControl(QWidget* parent, const QColor& color, const QRect& bounds) : QWidget(parent) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, color);
  setPalette(palette);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setGeometry(bounds);
  hide();
}

void TColorWinControl::mouseMoveEvent(QMouseEvent*) {
  if (OnMouseMove) OnMouseMove();
}
