#include "widgets/EdgeResizer.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

Qt::CursorShape CursorFor(Qt::Edges edges) {
  const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
  const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
  if (horizontal && vertical)
    return edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge) ? Qt::SizeFDiagCursor
                                                                                              : Qt::SizeBDiagCursor;
  return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

}  // namespace

TEdgeResizer::TEdgeResizer(QWidget* window, std::function<double()> factor, std::function<void(double, QPoint)> rescale)
    : QObject(window), window_(window), factor_(std::move(factor)), rescale_(std::move(rescale)) {
  window->setMouseTracking(true);
  window->installEventFilter(this);
}

double TEdgeResizer::DraggedFactor(QSize logical, double factor, Qt::Edges edges, QPoint delta) {
  if (logical.isEmpty()) return factor;
  const int dx = edges & Qt::LeftEdge ? -delta.x() : edges & Qt::RightEdge ? delta.x() : 0;
  const int dy = edges & Qt::TopEdge ? -delta.y() : edges & Qt::BottomEdge ? delta.y() : 0;
  const double byWidth = factor + static_cast<double>(dx) / logical.width();
  const double byHeight = factor + static_cast<double>(dy) / logical.height();
  const double wanted = std::abs(byWidth - factor) >= std::abs(byHeight - factor) ? byWidth : byHeight;
  // Whole per-mille steps: the factor is stored as one.
  return std::clamp(std::round(wanted * 1000) / 1000, InterfaceScale::kMinFreeFactor, InterfaceScale::kMaxFreeFactor);
}

Qt::Edges TEdgeResizer::EdgesAt(QPoint at) const {
  const double factor = factor_();
  const QSize size = window_->size();
  auto near = [&](double distance, double reach) { return distance * factor < reach; };
  const bool left = near(at.x() + 0.5, kMargin), right = near(size.width() - at.x() - 0.5, kMargin);
  const bool top = near(at.y() + 0.5, kMargin), bottom = near(size.height() - at.y() - 0.5, kMargin);
  if (!left && !right && !top && !bottom) return {};
  Qt::Edges edges;
  if (left || ((top || bottom) && near(at.x() + 0.5, kCorner))) edges |= Qt::LeftEdge;
  if (right || ((top || bottom) && near(size.width() - at.x() - 0.5, kCorner))) edges |= Qt::RightEdge;
  if (top || ((left || right) && near(at.y() + 0.5, kCorner))) edges |= Qt::TopEdge;
  if (bottom || ((left || right) && near(size.height() - at.y() - 0.5, kCorner))) edges |= Qt::BottomEdge;
  return edges;
}

void TEdgeResizer::ShowCursorFor(Qt::Edges edges) {
  if (edges == hover_) return;
  if (!hover_) {
    ownCursor_ = window_->testAttribute(Qt::WA_SetCursor);
    savedCursor_ = window_->cursor();
  }
  hover_ = edges;
  if (edges)
    window_->setCursor(CursorFor(edges));
  else if (ownCursor_)
    window_->setCursor(savedCursor_);
  else
    window_->unsetCursor();
}

bool TEdgeResizer::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::MouseMove: {
      if (dragging_) return true;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      ShowCursorFor(mouse->buttons() == Qt::NoButton ? EdgesAt(mouse->position().toPoint()) : Qt::Edges());
      return bool(hover_);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const Qt::Edges edges = EdgesAt(mouse->position().toPoint());
      if (!edges || mouse->button() != Qt::LeftButton) return bool(dragging_);
      ShowCursorFor(edges);
      dragging_ = edges;
      pressedAt_ = (mouse->globalPosition() * factor_()).toPoint();
      return true;
    }
    case QEvent::MouseButtonRelease: {
      if (!dragging_) return false;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const double factor = factor_();
      const QPoint delta = (mouse->globalPosition() * factor).toPoint() - pressedAt_;
      const double scaled = DraggedFactor(window_->size(), factor, dragging_, delta);
      // The edges across from the dragged ones stay where they are.
      const QRect before((window_->pos() * factor), window_->size() * factor);
      const QSize after = window_->size() * scaled;
      QPoint topLeft = before.topLeft();
      if (dragging_ & Qt::LeftEdge) topLeft.rx() = before.x() + before.width() - after.width();
      if (dragging_ & Qt::TopEdge) topLeft.ry() = before.y() + before.height() - after.height();
      dragging_ = {};
      ShowCursorFor({});
      if (scaled != factor) rescale_(scaled, topLeft);
      return true;
    }
    case QEvent::Leave:
      if (!dragging_) ShowCursorFor({});
      return false;
    default: return false;
  }
}
