#include "Piston.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int kFrames = 8;
constexpr qreal kCrankRadius = 9;
constexpr qreal kRodLength = 34;
const QPointF kCrank(32, 70);
constexpr qreal kBoreLeft = 8, kBoreRight = 56;
constexpr qreal kPistonHeight = 22;

void DrawCylinder(QPainter& p, QSize size) {
  QLinearGradient wall(0, 0, size.width(), 0);
  wall.setColorAt(0, QColor(60, 66, 76));
  wall.setColorAt(0.5, QColor(92, 100, 112));
  wall.setColorAt(1, QColor(50, 56, 64));
  p.fillRect(QRect(QPoint(0, 0), size), wall);
  QLinearGradient bore(kBoreLeft, 0, kBoreRight, 0);
  bore.setColorAt(0, QColor(24, 28, 34));
  bore.setColorAt(0.35, QColor(70, 76, 86));
  bore.setColorAt(1, QColor(20, 24, 30));
  p.fillRect(QRectF(kBoreLeft, 6, kBoreRight - kBoreLeft, 52), bore);
  // Crankcase below the bore.
  p.fillRect(QRectF(4, 58, size.width() - 8, size.height() - 62), QColor(28, 32, 38));
  // Head with the spark plug's tip.
  p.fillRect(QRectF(0, 0, size.width(), 6), QColor(120, 128, 140));
  p.fillRect(QRectF(30, 5, 4, 4), QColor(220, 220, 214));
}

void DrawSpark(QPainter& p, qreal pistonTop) {
  QRadialGradient fire(32, 8, 22);
  fire.setColorAt(0, QColor(255, 250, 200, 255));
  fire.setColorAt(0.3, QColor(255, 180, 60, 220));
  fire.setColorAt(1, QColor(255, 80, 20, 0));
  p.fillRect(QRectF(kBoreLeft, 6, kBoreRight - kBoreLeft, pistonTop - 6), fire);
}

void DrawPiston(QPainter& p, qreal top, QPointF crankPin) {
  const QPointF pin(32, top + 12);
  // Rod first: the piston skirt covers its upper end.
  p.setPen(QPen(QColor(140, 148, 160), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pin, crankPin);
  p.setPen(QPen(QColor(200, 206, 214), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pin + QPointF(-1.5, 0), crankPin + QPointF(-1.5, 0));

  const QRectF piston(kBoreLeft + 2, top, kBoreRight - kBoreLeft - 4, kPistonHeight);
  QLinearGradient metal(piston.topLeft(), piston.topRight());
  metal.setColorAt(0, QColor(130, 136, 146));
  metal.setColorAt(0.4, QColor(232, 236, 240));
  metal.setColorAt(1, QColor(110, 116, 126));
  QPainterPath body;
  body.addRoundedRect(piston, 2, 2);
  p.fillPath(body, metal);
  p.setPen(QPen(QColor(40, 44, 50), 1));
  for (int i = 0; i < 3; ++i) {
    const qreal y = top + 3.5 + i * 3;
    p.drawLine(QPointF(piston.left(), y), QPointF(piston.right(), y));
  }
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.setBrush(QColor(60, 66, 74));
  p.drawEllipse(pin, 3, 3);
}

void DrawCrankWeb(QPainter& p, qreal angle) {
  QRadialGradient web(kCrank - QPointF(2, 2), 16);
  web.setColorAt(0, QColor(170, 176, 186));
  web.setColorAt(1, QColor(70, 76, 86));
  p.setPen(QPen(QColor(20, 24, 30), 1));
  p.setBrush(web);
  // Qt's angles run counter-clockwise from 3 o'clock; the weight faces away from the pin.
  const qreal away = -90 - angle * 180 / M_PI;
  QPainterPath counterweight;
  counterweight.moveTo(kCrank);
  counterweight.arcTo(QRectF(kCrank - QPointF(14, 14), QSizeF(28, 28)), away - 60, 120);
  counterweight.closeSubpath();
  p.drawPath(counterweight.united([] {
    QPainterPath journal;
    journal.addEllipse(kCrank, 7, 7);
    return journal;
  }()));
}

void DrawCrankPin(QPainter& p, QPointF crankPin) {
  p.setPen(QPen(QColor(20, 24, 30), 1));
  p.setBrush(QColor(210, 214, 220));
  p.drawEllipse(crankPin, 4, 4);
}

}  // namespace

QSize PistonFrameSize() { return QSize(64, 88); }

std::vector<QImage> PistonFrames() {
  std::vector<QImage> frames;
  for (int k = 0; k < kFrames; ++k) {
    // Crank angle from the top of the stroke, turning clockwise.
    const qreal angle = 2 * M_PI * k / kFrames;
    const QPointF crankPin = kCrank + QPointF(std::sin(angle), -std::cos(angle)) * kCrankRadius;
    const qreal side = kCrankRadius * std::sin(angle);
    const qreal pinY = crankPin.y() - std::sqrt(kRodLength * kRodLength - side * side);
    const qreal top = pinY - 12;

    QImage img = NewCanvas(PistonFrameSize());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawCylinder(p, img.size());
    if (k == 0) DrawSpark(p, top);
    DrawCrankWeb(p, angle);
    DrawPiston(p, top, crankPin);
    DrawCrankPin(p, crankPin);
    p.end();
    frames.push_back(img);
  }
  return frames;
}
