#include "PartDrawings.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor kGround(250, 249, 245);
const QColor kInk(30, 42, 56);

QLinearGradient Metal(QPointF from, QPointF to, QColor light, QColor dark) {
  QLinearGradient g(from, to);
  g.setColorAt(0, dark);
  g.setColorAt(0.45, light);
  g.setColorAt(1, dark);
  return g;
}

void Begin(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.2));
}

}  // namespace

QImage DrawBrakeDisc(int side) {
  QImage img = NewCanvas(QSize(side, side), kGround);
  QPainter p(&img);
  Begin(p);
  const double s = side / 200.0;
  const QPointF c(side / 2.0, side / 2.0);
  QPainterPath disc;
  disc.addEllipse(c, 88 * s, 88 * s);
  DrawSoftShadow(p, disc, QPointF(3 * s, 4 * s), static_cast<int>(5 * s), QColor(0, 0, 0, 90));

  QRadialGradient steel(c - QPointF(30 * s, 30 * s), 130 * s);
  steel.setColorAt(0, QColor(226, 230, 234));
  steel.setColorAt(1, QColor(128, 136, 146));
  p.setBrush(steel);
  p.drawEllipse(c, 88 * s, 88 * s);
  // Rings worn by the pads.
  p.setBrush(Qt::NoBrush);
  for (double r = 50; r < 84; r += 5) {
    p.setPen(QPen(QColor(90, 98, 108, 70), 0.8 * s));
    p.drawEllipse(c, r * s, r * s);
  }
  // Cross-drilled holes.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 56, 64));
  for (int i = 0; i < 24; ++i) {
    const double a = i * M_PI / 12 + (i % 2) * 0.1;
    const double r = (i % 2 ? 62 : 74) * s;
    p.drawEllipse(c + QPointF(std::cos(a) * r, std::sin(a) * r), 2.6 * s, 2.6 * s);
  }
  // Hub and studs.
  QRadialGradient hub(c - QPointF(10 * s, 10 * s), 50 * s);
  hub.setColorAt(0, QColor(200, 170, 110));
  hub.setColorAt(1, QColor(120, 96, 52));
  p.setPen(QPen(kInk, 1.2 * s));
  p.setBrush(hub);
  p.drawEllipse(c, 40 * s, 40 * s);
  p.setBrush(QColor(60, 64, 70));
  p.drawEllipse(c, 13 * s, 13 * s);
  p.setBrush(QColor(220, 222, 226));
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 2 * M_PI / 5;
    p.drawEllipse(c + QPointF(std::cos(a) * 27 * s, std::sin(a) * 27 * s), 4.5 * s, 4.5 * s);
  }
  // Caliper over the upper right edge.
  p.save();
  p.translate(c);
  p.rotate(-40);
  QPainterPath caliper;
  caliper.addRoundedRect(QRectF(60 * s, -30 * s, 40 * s, 60 * s), 10 * s, 10 * s);
  QLinearGradient red(QPointF(60 * s, 0), QPointF(100 * s, 0));
  red.setColorAt(0, QColor(230, 70, 50));
  red.setColorAt(1, QColor(140, 24, 20));
  p.setBrush(red);
  p.drawPath(caliper);
  p.setPen(QColor(255, 255, 255, 200));
  p.setFont(PixelFont("DejaVu Sans", static_cast<int>(9 * s), true));
  p.drawText(QRectF(60 * s, -30 * s, 40 * s, 60 * s), Qt::AlignCenter, "ABS");
  p.restore();
  return img;
}

QImage DrawSparkPlug(QSize size) {
  QImage img = NewCanvas(size, kGround);
  QPainter p(&img);
  Begin(p);
  p.scale(size.width() / 100.0, size.height() / 240.0);
  const double cx = 50;
  // Terminal nut.
  p.setBrush(Metal({cx - 8, 0}, {cx + 8, 0}, QColor(235, 235, 235), QColor(120, 124, 130)));
  p.drawRoundedRect(QRectF(cx - 8, 8, 16, 20), 3, 3);
  // Ribbed ceramic insulator.
  p.setBrush(Metal({cx - 16, 0}, {cx + 16, 0}, QColor(255, 255, 255), QColor(196, 198, 204)));
  p.drawRoundedRect(QRectF(cx - 15, 26, 30, 78), 8, 8);
  p.setPen(QPen(QColor(150, 154, 160), 1));
  for (double y = 36; y < 96; y += 10) p.drawLine(QPointF(cx - 14, y), QPointF(cx + 14, y));
  p.setPen(QPen(kInk, 1.2));
  // Hexagon.
  p.setBrush(Metal({cx - 24, 0}, {cx + 24, 0}, QColor(226, 228, 232), QColor(100, 106, 114)));
  p.drawRect(QRectF(cx - 24, 104, 48, 30));
  p.drawLine(QPointF(cx - 8, 104), QPointF(cx - 8, 134));
  p.drawLine(QPointF(cx + 8, 104), QPointF(cx + 8, 134));
  // Thread.
  p.setBrush(Metal({cx - 14, 0}, {cx + 14, 0}, QColor(236, 214, 160), QColor(150, 120, 60)));
  p.drawRect(QRectF(cx - 14, 134, 28, 62));
  p.setPen(QPen(QColor(110, 86, 40), 1));
  for (double y = 138; y < 194; y += 5) p.drawLine(QPointF(cx - 14, y), QPointF(cx + 14, y + 3));
  p.setPen(QPen(kInk, 1.2));
  // Centre electrode and the bent ground electrode.
  p.setBrush(QColor(240, 240, 240));
  p.drawRect(QRectF(cx - 3, 196, 6, 14));
  p.setBrush(QColor(150, 154, 160));
  QPainterPath ground;
  ground.moveTo(cx + 14, 196);
  ground.lineTo(cx + 14, 222);
  ground.lineTo(cx - 6, 222);
  ground.lineTo(cx - 6, 216);
  ground.lineTo(cx + 8, 216);
  ground.lineTo(cx + 8, 196);
  ground.closeSubpath();
  p.drawPath(ground);
  // The gap, marked.
  p.setPen(QPen(QColor(181, 101, 29), 1));
  p.drawLine(QPointF(cx + 20, 210), QPointF(cx + 34, 210));
  p.drawLine(QPointF(cx + 20, 216), QPointF(cx + 34, 216));
  return img;
}

QImage DrawBattery(QSize size) {
  QImage img = NewCanvas(size, kGround);
  QPainter p(&img);
  Begin(p);
  p.scale(size.width() / 240.0, size.height() / 170.0);
  QPainterPath body;
  body.addRoundedRect(QRectF(20, 50, 200, 104), 6, 6);
  DrawSoftShadow(p, body, QPointF(3, 4), 5, QColor(0, 0, 0, 90));
  // Lid in perspective.
  QPainterPath lid;
  lid.moveTo(20, 50);
  lid.lineTo(44, 30);
  lid.lineTo(236, 30);
  lid.lineTo(220, 50);
  lid.closeSubpath();
  p.setBrush(QColor(70, 76, 86));
  p.drawPath(lid);
  QLinearGradient case_(QPointF(0, 50), QPointF(0, 154));
  case_.setColorAt(0, QColor(52, 58, 68));
  case_.setColorAt(1, QColor(24, 28, 34));
  p.setBrush(case_);
  p.drawPath(body);
  // Terminals.
  p.setBrush(QColor(200, 50, 40));
  p.drawRoundedRect(QRectF(58, 16, 24, 22), 3, 3);
  p.setBrush(QColor(60, 90, 170));
  p.drawRoundedRect(QRectF(180, 16, 24, 22), 3, 3);
  p.setFont(PixelFont("DejaVu Sans", 16, true));
  p.setPen(Qt::white);
  p.drawText(QRectF(58, 14, 24, 22), Qt::AlignCenter, "+");
  p.drawText(QRectF(180, 14, 24, 22), Qt::AlignCenter, "\u2212");
  // Label.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(232, 163, 58));
  p.drawRect(QRectF(20, 84, 200, 34));
  p.setPen(kInk);
  p.setFont(PixelFont("DejaVu Sans", 15, true));
  p.drawText(QRectF(20, 84, 200, 34), Qt::AlignCenter, "12 V  60 Ah  540 A");
  return img;
}

QImage DrawOilFilter(QSize size) {
  QImage img = NewCanvas(size, kGround);
  QPainter p(&img);
  Begin(p);
  p.scale(size.width() / 160.0, size.height() / 200.0);
  QPainterPath can;
  can.addRoundedRect(QRectF(30, 40, 100, 140), 14, 14);
  DrawSoftShadow(p, can, QPointF(3, 4), 5, QColor(0, 0, 0, 90));
  p.setBrush(Metal({30, 0}, {130, 0}, QColor(90, 150, 230), QColor(20, 60, 130)));
  p.drawPath(can);
  // Base plate with its seal and the threaded hole.
  p.setBrush(Metal({26, 0}, {134, 0}, QColor(230, 232, 236), QColor(120, 126, 134)));
  p.drawRoundedRect(QRectF(26, 26, 108, 18), 4, 4);
  p.setBrush(QColor(40, 40, 44));
  p.drawEllipse(QRectF(62, 14, 36, 16));
  // Grip ribs at the bottom.
  p.setPen(QPen(QColor(10, 30, 70), 1.5));
  for (double x = 40; x <= 120; x += 8) p.drawLine(QPointF(x, 160), QPointF(x, 176));
  p.setPen(Qt::white);
  p.setFont(PixelFont("DejaVu Sans", 14, true));
  p.drawText(QRectF(30, 80, 100, 30), Qt::AlignCenter, "OIL");
  p.setFont(PixelFont("DejaVu Sans", 10));
  p.drawText(QRectF(30, 108, 100, 20), Qt::AlignCenter, "FILTER");
  return img;
}
