#pragma once
// A borderless window made larger or smaller by dragging near its edges and corners, its
// aspect kept: the window's logical size never changes, the drag picks the factor it is drawn
// at. Mouse events on the window itself within the margin are taken; the rest go on as before.

#include <QCursor>
#include "platform/InterfaceScale.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

class TEdgeResizer : public QObject {
 public:
  // The margin, in screen pixels, along the window's edges where a drag resizes.
  static constexpr int kMargin = 4;
  // How far along an edge from a corner a drag takes the corner: skins cut their corners.
  static constexpr int kCorner = 20;

  // `factor` gives the factor the window is drawn at now; `rescale` is called when a drag
  // ends, with the new factor and where the window's top-left corner goes (screen pixels).
  TEdgeResizer(QWidget* window, std::function<double()> factor,
               std::function<void(double factor, QPoint deviceTopLeft)> rescale);

  // The factor a drag by `delta` screen pixels on `edges` gives a window of `logical` size
  // drawn at `factor`: the larger of the changes it asks of the width and the height.
  static double DraggedFactor(QSize logical, double factor, Qt::Edges edges, QPoint delta);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Qt::Edges EdgesAt(QPoint at) const;
  void ShowCursorFor(Qt::Edges edges);

  QWidget* window_;
  std::function<double()> factor_;
  std::function<void(double, QPoint)> rescale_;
  Qt::Edges hover_;
  Qt::Edges dragging_;
  QPoint pressedAt_;        // global, in screen pixels
  bool ownCursor_ = false;  // the window had a cursor of its own before the margin's
  QCursor savedCursor_;
};
