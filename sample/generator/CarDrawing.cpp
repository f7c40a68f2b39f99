#include "CarDrawing.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace {

// Car coordinates: 520 wide, ground at y = 164, front to the right.
constexpr qreal kWidth = 520;
constexpr qreal kGround = 164;
const QPointF kRearWheel(112, 130);
const QPointF kFrontWheel(408, 130);
constexpr qreal kTyre = 34;

QPainterPath BodyPath() {
  QPainterPath b;
  b.moveTo(10, 134);
  b.cubicTo(2, 120, 2, 100, 8, 88);        // rear bumper
  b.cubicTo(14, 78, 40, 72, 120, 68);      // boot lid
  b.cubicTo(140, 52, 160, 34, 186, 26);    // rear screen
  b.cubicTo(230, 18, 290, 18, 318, 24);    // roof
  b.cubicTo(340, 36, 362, 56, 384, 68);    // windscreen
  b.cubicTo(430, 72, 480, 76, 506, 86);    // bonnet
  b.cubicTo(516, 92, 520, 110, 516, 128);  // nose
  b.lineTo(506, 136);
  b.lineTo(kFrontWheel.x() + 44, 136);
  b.arcTo(QRectF(kFrontWheel - QPointF(44, 44), QSizeF(88, 88)), 0, 180);
  b.lineTo(kRearWheel.x() + 44, 136);
  b.arcTo(QRectF(kRearWheel - QPointF(44, 44), QSizeF(88, 88)), 0, 180);
  b.closeSubpath();
  return b;
}

QPainterPath GlassPath() {
  QPainterPath g;
  g.moveTo(150, 66);
  g.cubicTo(164, 52, 178, 38, 194, 32);
  g.cubicTo(230, 26, 286, 26, 312, 31);
  g.cubicTo(330, 42, 348, 56, 364, 66);
  g.closeSubpath();
  return g;
}

void DrawWheel(QPainter& p, QPointF c) {
  QRadialGradient tyre(c, kTyre);
  tyre.setColorAt(0.7, QColor(40, 40, 44));
  tyre.setColorAt(0.95, QColor(18, 18, 20));
  tyre.setColorAt(1, QColor(8, 8, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(tyre);
  p.drawEllipse(c, kTyre, kTyre);

  const qreal rim = 21;
  QLinearGradient metal(c - QPointF(0, rim), c + QPointF(0, rim));
  metal.setColorAt(0, QColor(236, 240, 244));
  metal.setColorAt(0.5, QColor(160, 168, 178));
  metal.setColorAt(1, QColor(96, 102, 112));
  p.setBrush(metal);
  p.setPen(QPen(QColor(60, 64, 70), 1));
  p.drawEllipse(c, rim, rim);
  p.setBrush(QColor(52, 56, 62));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    // Five openings between the spokes.
    const qreal a = (i * 72 + 36) * M_PI / 180;
    QPainterPath hole;
    hole.moveTo(c + QPointF(std::cos(a - 0.38), std::sin(a - 0.38)) * 8);
    hole.lineTo(c + QPointF(std::cos(a - 0.42), std::sin(a - 0.42)) * 17);
    hole.quadTo(c + QPointF(std::cos(a), std::sin(a)) * 19.5, c + QPointF(std::cos(a + 0.42), std::sin(a + 0.42)) * 17);
    hole.lineTo(c + QPointF(std::cos(a + 0.38), std::sin(a + 0.38)) * 8);
    hole.closeSubpath();
    p.drawPath(hole);
  }
  QRadialGradient hub(c - QPointF(1.5, 1.5), 6);
  hub.setColorAt(0, QColor(250, 250, 250));
  hub.setColorAt(1, QColor(120, 126, 134));
  p.setBrush(hub);
  p.drawEllipse(c, 5.5, 5.5);
}

}  // namespace

void DrawCar(QPainter& p, const QRectF& box) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal scale = box.width() / kWidth;
  p.translate(box.left(), box.bottom() - kGround * scale);
  p.scale(scale, scale);

  QPainterPath ground;
  ground.addEllipse(QPointF(kWidth / 2, kGround - 2), kWidth * 0.52, 12);
  DrawSoftShadow(p, ground, QPointF(0, 0), 6, QColor(0, 0, 0, 190));

  // Wheel wells, seen through the arches.
  for (QPointF wheel : {kRearWheel, kFrontWheel}) {
    QPainterPath well;
    well.addEllipse(wheel, 42, 42);
    QPainterPath above;
    above.addRect(QRectF(wheel.x() - 44, wheel.y() - 44, 88, 136 - (wheel.y() - 44)));
    p.fillPath(well & above, QColor(14, 10, 12));
  }

  const QPainterPath body = BodyPath();
  QLinearGradient paint(0, 20, 0, 140);
  paint.setColorAt(0, QColor(236, 84, 78));
  paint.setColorAt(0.35, QColor(190, 30, 36));
  paint.setColorAt(0.7, QColor(132, 14, 22));
  paint.setColorAt(1, QColor(72, 6, 12));
  p.fillPath(body, paint);

  // Shoulder highlight and the sill's shade.
  p.save();
  p.setClipPath(body);
  QLinearGradient shine(0, 66, 0, 92);
  shine.setColorAt(0, QColor(255, 255, 255, 0));
  shine.setColorAt(0.45, QColor(255, 230, 225, 120));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 66, kWidth, 26), shine);
  p.fillRect(QRectF(0, 118, kWidth, 20), QColor(20, 0, 4, 90));
  p.restore();

  const QPainterPath glass = GlassPath();
  QLinearGradient tint(180, 28, 260, 70);
  tint.setColorAt(0, QColor(150, 190, 224));
  tint.setColorAt(0.45, QColor(40, 62, 90));
  tint.setColorAt(1, QColor(16, 24, 38));
  p.fillPath(glass, tint);
  p.setPen(QPen(QColor(30, 4, 8), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(glass);
  p.setPen(QPen(QColor(150, 20, 28), 6));
  p.drawLine(QPointF(262, 27), QPointF(258, 68));  // door pillar

  p.setPen(QPen(QColor(70, 6, 12), 1.2));
  p.drawLine(QPointF(258, 68), QPointF(256, 134));
  p.drawLine(QPointF(150, 66), QPointF(154, 104));
  p.drawLine(QPointF(362, 70), QPointF(356, 100));
  p.drawLine(QPointF(154, 104), QPointF(160, 134));
  p.drawLine(QPointF(356, 100), QPointF(352, 116));
  p.setPen(QPen(QColor(230, 230, 236), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(228, 80), QPointF(242, 80));
  p.drawLine(QPointF(324, 80), QPointF(338, 80));

  // Lamps.
  QLinearGradient head(496, 88, 516, 100);
  head.setColorAt(0, QColor(255, 255, 230));
  head.setColorAt(1, QColor(200, 210, 220));
  QPainterPath lamp;
  lamp.moveTo(492, 88);
  lamp.cubicTo(504, 89, 512, 92, 516, 98);
  lamp.lineTo(496, 98);
  lamp.closeSubpath();
  p.fillPath(lamp, head);
  QPainterPath tail;
  tail.addRoundedRect(QRectF(4, 86, 12, 14), 3, 3);
  p.fillPath(tail, QColor(255, 120, 60));
  p.setPen(QPen(QColor(40, 44, 50), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 128), QPointF(44, 130));
  p.drawLine(QPointF(474, 130), QPointF(512, 126));

  // Mirror.
  QPainterPath mirror;
  mirror.addRoundedRect(QRectF(356, 60, 14, 9), 3, 3);
  p.fillPath(mirror, QColor(110, 10, 18));

  DrawWheel(p, kRearWheel);
  DrawWheel(p, kFrontWheel);

  p.setPen(QPen(QColor(30, 2, 6), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.restore();
}

QImage DrawCarPicture(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(250, 249, 245));
  QPainter p(&image);
  DrawCar(p, QRectF(QPointF(0, 0), size));
  return image;
}
