#pragma once
// A plain coloured panel on the main window where page media draws its video. Moving the
// pointer over it tells the window that the pointer left the skin.

#include <QWidget>
#include <functional>

class TColorWinControl : public QWidget {
 public:
  TColorWinControl(QWidget* parent, const QColor& color, const QRect& bounds);
  std::function<void()> OnMouseMove;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};
