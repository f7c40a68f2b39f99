#include "platform/ui/WindowShape.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QWidget>

namespace WindowShape {

QRegion PolygonRegion(const std::vector<QPoint>& points) {
  return QRegion(QPolygon(QList<QPoint>(points.begin(), points.end())), Qt::WindingFill);
}

QRegion EllipseRegion(const QRect& bounds) { return QRegion(bounds.normalized(), QRegion::Ellipse); }

QRegion RoundRectRegion(const QRect& rect, int ellipseWidth, int ellipseHeight) {
  const QRect r = rect.normalized();
  if (r.isEmpty()) return {};
  QBitmap mask(r.size());
  mask.fill(Qt::color0);
  QPainter painter(&mask);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::color1);
  painter.drawRoundedRect(QRect(QPoint(0, 0), r.size()), ellipseWidth / 2.0, ellipseHeight / 2.0);
  painter.end();
  return QRegion(mask).translated(r.topLeft());
}

void SetWindowRegion(QWidget* window, const QRegion& region, bool redraw) {
  // A one-pixel mask outside the window stands for "nothing visible".
  window->setMask(region.isEmpty() ? QRegion(-2, -2, 1, 1) : region);
  if (redraw) window->repaint();
}

void ClearWindowRegion(QWidget* window) { window->clearMask(); }

}  // namespace WindowShape
