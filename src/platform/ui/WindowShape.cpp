#include "platform/ui/WindowShape.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QVariantAnimation>
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

QVariantAnimation* SlideIn(QWidget* window, bool downwards, int milliseconds) {
  const QPoint place = window->pos();
  const int w = window->width(), h = window->height();
  const auto step = [=](int shown) {
    if (downwards) {
      window->move(place.x(), place.y() - (h - shown));
      SetWindowRegion(window, QRegion(0, h - shown, w, shown), false);
    } else {
      window->move(place.x(), place.y() + (h - shown));
      SetWindowRegion(window, QRegion(0, 0, w, shown), false);
    }
  };
  step(0);
  auto* slide = new QVariantAnimation(window);
  slide->setStartValue(0);
  slide->setEndValue(h);
  slide->setDuration(milliseconds);
  QObject::connect(slide, &QVariantAnimation::valueChanged, window,
                   [=](const QVariant& value) { step(value.toInt()); });
  QObject::connect(slide, &QVariantAnimation::finished, window, [=] {
    window->move(place);
    ClearWindowRegion(window);
  });
  slide->start(QAbstractAnimation::DeleteWhenStopped);
  return slide;
}

}  // namespace WindowShape
