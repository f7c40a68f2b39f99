#pragma once
// The invisible control over each button and switch of a skinned window (the main window's
// current screen, the dialog's page): it carries the element's hint as a tooltip and hands its
// mouse events to the window, in window coordinates. It draws nothing.

#include <QWidget>
#include <functional>

class TMyControl : public QWidget {
  Q_OBJECT
 public:
  using TMouseHandler = std::function<void(QMouseEvent* event, QPoint windowPos)>;

  TMyControl(QWidget* window, const QRect& rect, const QString& hint);

  TMouseHandler OnMouseMove, OnMouseDown, OnMouseUp;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent*) override {}

 private:
  void Forward(const TMouseHandler& handler, QMouseEvent* event);
};
