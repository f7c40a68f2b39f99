#include "Canvas.h"
#include "CarDrawing.h"
#include "Piston.h"
#include "ScreenChrome.h"
#include "Screens.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <optional>

namespace {

const QColor kAmber(232, 163, 58);
const QColor kText(226, 232, 240);

const QRectF kShowroom(22, 126, 674, 276);

// The car on its turntable, turned by `angle` from the side view: seen from further round,
// its side narrows toward the width of its front, and past a quarter turn its other side
// shows.
void DrawTurnedCar(QPainter& p, const QRectF& box, qreal angle) {
  const qreal c = std::cos(angle);
  const qreal width = 0.38 + 0.62 * std::abs(c);
  p.save();
  QRadialGradient disc(box.center().x(), box.bottom() - 4, box.width() * 0.56);
  disc.setColorAt(0, QColor(90, 104, 124, 150));
  disc.setColorAt(1, QColor(40, 50, 64, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(QPointF(box.center().x(), box.bottom() - 4), box.width() * 0.56, 20);
  p.translate(box.center().x(), 0);
  p.scale(c < 0 ? -width : width, 1);
  p.translate(-box.center().x(), 0);
  DrawCar(p, box);
  p.restore();
}

// `carAngle`: none for the still picture; the car on its turntable otherwise.
void DrawShowroom(QPainter& p, const QRectF& r, std::optional<qreal> carAngle) {
  DrawInsetPanel(p, r, 10, QColor(20, 30, 44));
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
  p.setClipPath(clip);
  QRadialGradient spot(r.center().x(), r.top() + r.height() * 0.42, r.width() * 0.55);
  spot.setColorAt(0, QColor(112, 146, 186));
  spot.setColorAt(0.55, QColor(52, 76, 106));
  spot.setColorAt(1, QColor(18, 28, 42));
  p.fillRect(r, spot);
  // The floor: darker, with a soft horizon.
  const qreal horizon = r.top() + r.height() * 0.74;
  QLinearGradient floor(0, horizon - 6, 0, r.bottom());
  floor.setColorAt(0, QColor(10, 16, 26, 0));
  floor.setColorAt(0.12, QColor(10, 16, 26, 120));
  floor.setColorAt(1, QColor(6, 10, 16, 200));
  p.fillRect(QRectF(r.left(), horizon - 6, r.width(), r.bottom() - horizon + 6), floor);
  p.setPen(QPen(QColor(255, 255, 255, 18), 1));
  for (int i = 1; i < 12; ++i) {
    // Floor lines running toward the back.
    const qreal x = r.left() + r.width() * i / 12.0;
    p.drawLine(QPointF(r.center().x() + (x - r.center().x()) * 0.5, horizon),
               QPointF(x + (x - r.center().x()) * 0.6, r.bottom()));
  }
  p.setClipping(false);
  p.restore();
  p.save();
  p.setClipRect(r);
  const QRectF car(r.center().x() - 250, r.top(), 500, r.height() - 26);
  if (carAngle)
    DrawTurnedCar(p, car, *carAngle);
  else
    DrawCar(p, car);
  p.restore();
}

void DrawGauge(QPainter& p, QPointF c, qreal r, qreal value, const QString& label) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath ring;
  ring.addEllipse(c, r + 3, r + 3);
  DrawSoftShadow(p, ring, QPointF(0, 2), 3, QColor(0, 0, 0, 170));
  QLinearGradient bezel(c - QPointF(0, r), c + QPointF(0, r));
  bezel.setColorAt(0, QColor(210, 216, 224));
  bezel.setColorAt(1, QColor(70, 78, 90));
  p.setPen(Qt::NoPen);
  p.setBrush(bezel);
  p.drawEllipse(c, r + 3, r + 3);
  QRadialGradient face(c - QPointF(0, r * 0.4), r * 1.3);
  face.setColorAt(0, QColor(34, 46, 62));
  face.setColorAt(1, QColor(8, 12, 18));
  p.setBrush(face);
  p.drawEllipse(c, r, r);

  // Scale from 225 degrees down to -45 degrees.
  for (int i = 0; i <= 20; ++i) {
    const qreal a = (225 - i * 13.5) * M_PI / 180;
    const QPointF dir(std::cos(a), -std::sin(a));
    const bool major = i % 5 == 0;
    p.setPen(QPen(i >= 16 ? QColor(230, 80, 60) : QColor(210, 220, 232), major ? 1.8 : 1));
    p.drawLine(c + dir * (r - (major ? 8 : 5)), c + dir * (r - 2));
  }
  p.setPen(kAmber);
  p.setFont(PixelFont("DejaVu Sans", 8, true));
  p.drawText(QRectF(c.x() - r, c.y() + r * 0.42, 2 * r, 12), Qt::AlignCenter, label);

  const qreal a = (225 - value * 270) * M_PI / 180;
  const QPointF tip = c + QPointF(std::cos(a), -std::sin(a)) * (r - 6);
  p.setPen(QPen(QColor(255, 120, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, tip);
  QRadialGradient cap(c - QPointF(1, 1), 5);
  cap.setColorAt(0, QColor(240, 240, 240));
  cap.setColorAt(1, QColor(90, 96, 104));
  p.setPen(Qt::NoPen);
  p.setBrush(cap);
  p.drawEllipse(c, 4, 4);
  p.restore();
}

void DrawContentsList(QPainter& p, const QRectF& r) {
  DrawPlate(p, r, 8);
  p.setPen(kAmber);
  p.setFont(PixelFont("DejaVu Sans", 14, true));
  p.drawText(QRectF(r.left() + 18, r.top() + 10, r.width() - 30, 20), Qt::AlignLeft, QStringLiteral("В книге"));
  p.fillRect(QRectF(r.left() + 18, r.top() + 32, r.width() - 36, 1), QColor(232, 163, 58, 120));
  const QString items[] = {
      QStringLiteral("Устройство автомобиля"), QStringLiteral("Техническое обслуживание"),
      QStringLiteral("Ремонт двигателя"),      QStringLiteral("Трансмиссия и ходовая часть"),
      QStringLiteral("Электрооборудование"),
  };
  p.setFont(PixelFont("DejaVu Sans", 13));
  qreal y = r.top() + 40;
  for (const QString& item : items) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(r.left() + 24, y + 9), 2.5, 2.5);
    p.setPen(kText);
    p.drawText(QRectF(r.left() + 34, y, r.width() - 40, 20), Qt::AlignLeft | Qt::AlignVCenter, item);
    y += 22;
  }
}

void DrawEngine(QPainter& p, const QRectF& plate, const QRect& bore) {
  DrawPlate(p, plate, 8);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Cylinder block around the bore, head with cooling fins above it.
  const QRectF block(bore.left() - 14, bore.top() - 8, bore.width() + 28, bore.height() + 12);
  QLinearGradient metal(block.topLeft(), block.topRight());
  metal.setColorAt(0, QColor(120, 130, 142));
  metal.setColorAt(0.5, QColor(176, 184, 194));
  metal.setColorAt(1, QColor(96, 104, 116));
  QPainterPath blockPath;
  blockPath.addRoundedRect(block, 4, 4);
  DrawSoftShadow(p, blockPath, QPointF(0, 2), 3, QColor(0, 0, 0, 160));
  p.fillPath(blockPath, metal);
  p.setPen(QPen(QColor(30, 36, 44), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(blockPath);

  const QRectF head(block.left() - 6, bore.top() - 34, block.width() + 12, 26);
  for (int i = 0; i < 4; ++i) {
    const QRectF fin(head.left() + (i % 2 ? 3 : 0), head.top() + 4 + i * 6, head.width() - (i % 2 ? 6 : 0), 4);
    QLinearGradient g(fin.topLeft(), fin.topRight());
    g.setColorAt(0, QColor(110, 120, 134));
    g.setColorAt(0.5, QColor(200, 206, 214));
    g.setColorAt(1, QColor(90, 98, 110));
    QPainterPath finPath;
    finPath.addRoundedRect(fin, 2, 2);
    p.fillPath(finPath, g);
    p.setPen(QPen(QColor(30, 36, 44), 0.8));
    p.drawPath(finPath);
  }
  // Spark plug.
  const qreal px = bore.center().x() + 1;
  p.fillRect(QRectF(px - 3, head.top() - 10, 6, 12), QColor(236, 236, 230));
  p.fillRect(QRectF(px - 5, head.top() - 1, 10, 5), QColor(150, 156, 164));
  p.setPen(QPen(QColor(30, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(px, head.top() - 10), QPointF(px + 12, head.top() - 16));

  // The cylinder's opening, where the animation plays.
  p.setPen(QPen(QColor(16, 20, 26), 2));
  p.drawRect(QRectF(bore).adjusted(-1, -1, 1, 1));
  p.restore();

  const qreal labelX = block.right() + 16;
  p.setPen(QColor(232, 163, 58));
  p.setFont(PixelFont("DejaVu Sans", 14, true));
  p.drawText(QRectF(labelX, plate.top() + 30, plate.right() - labelX - 6, 20), Qt::AlignLeft,
             QStringLiteral("Двигатель"));
  p.setPen(kText);
  p.setFont(PixelFont("DejaVu Sans", 11));
  p.drawText(QRectF(labelX, plate.top() + 54, plate.right() - labelX - 6, 90), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("такты, зазоры, моменты затяжки"));
}

}  // namespace

QRect PistonWindow(const SkinLayout& layout) { return QRect(layout.pistonPos, PistonFrameSize()); }

QImage DrawTitleScreen(const SkinLayout& layout) {
  QImage img =
      DrawWindowBody(layout.screenSize, layout.windowShape, QStringLiteral("Электронное руководство владельца"));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  const QRectF titleBox(0, 52, layout.screenSize.width(), 44);
  p.setFont(PixelFont("DejaVu Serif", 30, true));
  p.setPen(QColor(0, 0, 0, 170));
  p.drawText(titleBox.translated(2, 2), Qt::AlignCenter, layout.title);
  p.setPen(QColor(248, 250, 252));
  p.drawText(titleBox, Qt::AlignCenter, layout.title);
  p.setFont(PixelFont("DejaVu Sans", 14));
  p.setPen(kAmber);
  p.drawText(QRectF(0, 96, titleBox.width(), 22), Qt::AlignCenter,
             QStringLiteral("устройство  •  обслуживание  •  ремонт"));

  DrawShowroom(p, kShowroom, std::nullopt);

  DrawPlate(p, QRectF(706, 126, 80, 276), 10);
  DrawGauge(p, QPointF(746, 174), 29, 0.32, QStringLiteral("об/мин"));
  DrawGauge(p, QPointF(746, 264), 29, 0.55, QStringLiteral("км/ч"));
  DrawGauge(p, QPointF(746, 354), 29, 0.48, QStringLiteral("°C"));

  DrawContentsList(p, QRectF(276, 412, 270, 162));
  DrawEngine(p, QRectF(558, 412, 228, 162), PistonWindow(layout));
  return img;
}

QImage DrawShowroomFrame(const SkinLayout& layout, double carAngle, const QRect& area) {
  QImage img = NewCanvas(layout.screenSize);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  DrawShowroom(p, kShowroom, carAngle);
  p.end();
  return img.copy(area);
}
