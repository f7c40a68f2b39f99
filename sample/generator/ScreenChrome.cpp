#include "ScreenChrome.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor kAmber(232, 163, 58);

QPainterPath Rounded(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

// Fine horizontal streaks, fixed pattern: brushed metal without randomness.
void DrawBrushing(QPainter& p, const QRectF& r) {
  for (int y = static_cast<int>(r.top()); y < r.bottom(); ++y) {
    const int shade = ((y * 37) % 11) - 5;
    p.fillRect(QRectF(r.left(), y, r.width(), 1),
               shade > 0 ? QColor(255, 255, 255, shade * 2) : QColor(0, 0, 0, -shade * 2));
  }
}

}  // namespace

void DrawEmblem(QPainter& p, QPointF c, qreal r, const QColor& color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(color, r * 0.16));
  p.drawEllipse(c, r, r);
  p.setPen(QPen(color, r * 0.12));
  p.drawEllipse(c, r * 0.62, r * 0.62);
  p.setBrush(color);
  p.drawEllipse(c, r * 0.18, r * 0.18);
  p.setPen(QPen(color, r * 0.14, Qt::SolidLine, Qt::RoundCap));
  for (int a : {90, 210, 330}) {
    const qreal rad = a * M_PI / 180;
    p.drawLine(c, c + QPointF(std::cos(rad), std::sin(rad)) * r * 0.62);
  }
  p.restore();
}

void DrawInsetPanel(QPainter& p, const QRectF& r, qreal radius, const QColor& fill) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath body = Rounded(r, radius);
  p.fillPath(body, fill);
  // Inner shadow: the panel's outside, blurred, seen only through the panel.
  QPainterPath outside;
  outside.addRect(r.adjusted(-20, -20, 20, 20));
  outside = outside.subtracted(body);
  QImage layer = NewLayer(QSize(p.device()->width(), p.device()->height()));
  {
    QPainter l(&layer);
    l.setRenderHint(QPainter::Antialiasing);
    l.translate(0, 2);
    l.fillPath(outside, QColor(0, 0, 0, 150));
  }
  Blur(layer, 3);
  p.setClipPath(body);
  p.drawImage(0, 0, layer);
  p.setClipping(false);
  p.setPen(QPen(QColor(8, 12, 18, 200), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Rounded(r.adjusted(-0.5, -0.5, 0.5, 0.5), radius));
  QLinearGradient rim(r.topLeft(), r.bottomLeft());
  rim.setColorAt(0, QColor(255, 255, 255, 0));
  rim.setColorAt(1, QColor(255, 255, 255, 70));
  p.setPen(QPen(QBrush(rim), 1));
  p.drawPath(Rounded(r.adjusted(-1.5, -1.5, 1.5, 1.5), radius + 1));
  p.restore();
}

void DrawPlate(QPainter& p, const QRectF& r, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath body = Rounded(r, radius);
  DrawSoftShadow(p, body, QPointF(0, 3), 4, QColor(0, 0, 0, 140));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(58, 74, 94));
  g.setColorAt(1, QColor(34, 44, 58));
  p.fillPath(body, g);
  p.setClipPath(body);
  DrawBrushing(p, r);
  p.setClipping(false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(10, 14, 20), 1));
  p.drawPath(Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
  p.setPen(QPen(QColor(255, 255, 255, 45), 1));
  p.drawPath(Rounded(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1));
  p.restore();
}

QImage DrawWindowBody(QSize size, const QPolygon& shape, const QString& bandText) {
  QImage img = NewCanvas(size, QColor(10, 14, 20));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addPolygon(QPolygonF(shape));
  outline.closeSubpath();

  QLinearGradient body(0, 0, 0, size.height());
  body.setColorAt(0, QColor(40, 56, 76));
  body.setColorAt(0.55, QColor(26, 37, 52));
  body.setColorAt(1, QColor(14, 20, 30));
  p.fillPath(outline, body);
  QRadialGradient light(size.width() * 0.45, size.height() * 0.3, size.width() * 0.7);
  light.setColorAt(0, QColor(120, 160, 210, 40));
  light.setColorAt(1, QColor(120, 160, 210, 0));
  p.fillPath(outline, light);

  // Title band.
  p.setClipPath(outline);
  QLinearGradient band(0, 0, 0, kBandHeight);
  band.setColorAt(0, QColor(66, 84, 108));
  band.setColorAt(1, QColor(32, 44, 60));
  p.fillRect(QRectF(0, 0, size.width(), kBandHeight), band);
  DrawBrushing(p, QRectF(0, 0, size.width(), kBandHeight));
  p.fillRect(QRectF(0, kBandHeight, size.width(), 2), kAmber);
  p.fillRect(QRectF(0, kBandHeight + 2, size.width(), 1), QColor(0, 0, 0, 160));
  p.setClipping(false);

  DrawEmblem(p, QPointF(44, kBandHeight / 2.0), 13, kAmber);
  p.setFont(PixelFont("DejaVu Sans", 15, true));
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(QRectF(67, 1, 600, kBandHeight), Qt::AlignVCenter | Qt::AlignLeft, bandText);
  p.setPen(QColor(236, 240, 246));
  p.drawText(QRectF(66, 0, 600, kBandHeight), Qt::AlignVCenter | Qt::AlignLeft, bandText);

  // Rim: dark outside line, light bevel on the upper left, shade on the lower right.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(6, 9, 14), 2));
  p.drawPath(outline);
  QPolygonF inner = QPolygonF(shape);
  const QPointF centre(size.width() / 2.0, size.height() / 2.0);
  for (QPointF& pt : inner) {
    const QPointF d = centre - pt;
    pt += QPointF(d.x() > 0 ? 2 : -2, d.y() > 0 ? 2 : -2);
  }
  QLinearGradient bevel(0, 0, size.width(), size.height());
  bevel.setColorAt(0, QColor(255, 255, 255, 90));
  bevel.setColorAt(0.5, QColor(255, 255, 255, 20));
  bevel.setColorAt(1, QColor(0, 0, 0, 120));
  p.setPen(QPen(QBrush(bevel), 1.5));
  p.drawPolygon(inner);
  return img;
}
