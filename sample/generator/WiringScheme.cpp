#include "WiringScheme.h"

#include "Canvas.h"

#include <QPainter>

namespace {

const QColor kPaper(252, 252, 246);
const QColor kGrid(222, 228, 236);
const QColor kInk(30, 42, 56);
const QColor kWire(190, 40, 40);
const QColor kGroundWire(40, 40, 40);
const QColor kSignalWire(40, 90, 170);

struct TBlock {
  QRectF box;
  QString name;
};

void DrawBlock(QPainter& p, const TBlock& block) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(236, 240, 246));
  p.drawRoundedRect(block.box, 6, 6);
  p.setFont(PixelFont("DejaVu Sans", 14, true));
  p.drawText(block.box, Qt::AlignCenter | Qt::TextWordWrap, block.name);
}

void DrawWire(QPainter& p, const QPolygonF& path, const QColor& colour, const QString& number) {
  p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(path);
  p.setBrush(colour);
  p.drawEllipse(path.front(), 4, 4);
  p.drawEllipse(path.back(), 4, 4);
  if (number.isEmpty()) return;
  const QPointF middle = (path[path.size() / 2 - 1] + path[path.size() / 2]) / 2;
  const QRectF label(middle.x() - 14, middle.y() - 11, 28, 22);
  p.setPen(QPen(colour, 1.5));
  p.setBrush(kPaper);
  p.drawRect(label);
  p.setFont(PixelFont("DejaVu Sans", 12, true));
  p.drawText(label, Qt::AlignCenter, number);
}

}  // namespace

QImage DrawWiringScheme(QSize size) {
  QImage img = NewCanvas(size, kPaper);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / 900.0, size.height() / 620.0);

  p.setPen(QPen(kGrid, 1));
  for (int x = 0; x <= 900; x += 20) p.drawLine(x, 0, x, 620);
  for (int y = 0; y <= 620; y += 20) p.drawLine(0, y, 900, y);

  p.setPen(kInk);
  p.setFont(PixelFont("DejaVu Sans", 20, true));
  p.drawText(QRectF(20, 14, 860, 30), Qt::AlignLeft, "Схема включения фар");
  p.setFont(PixelFont("DejaVu Sans", 13));
  p.drawText(QRectF(20, 44, 860, 24), Qt::AlignLeft, "Провода: 1–4 питание (красные), 5–6 управление (синие), 7 масса");

  const TBlock battery{{40, 250, 130, 90}, "Батарея 12 В"};
  const TBlock fuses{{240, 120, 150, 110}, "Блок предохра-\nнителей F1, F2"};
  const TBlock relay{{470, 250, 130, 90}, "Реле фар"};
  const TBlock lever{{240, 420, 150, 90}, "Переключатель света"};
  const TBlock left{{720, 130, 140, 80}, "Фара левая"};
  const TBlock right{{720, 370, 140, 80}, "Фара правая"};
  for (const TBlock& block : {battery, fuses, relay, lever, left, right}) DrawBlock(p, block);

  DrawWire(p, {QPointF(170, 270), QPointF(205, 270), QPointF(205, 150), QPointF(240, 150)}, kWire, "1");
  DrawWire(p, {QPointF(390, 150), QPointF(430, 150), QPointF(430, 270), QPointF(470, 270)}, kWire, "2");
  DrawWire(p, {QPointF(600, 275), QPointF(660, 275), QPointF(660, 170), QPointF(720, 170)}, kWire, "3");
  DrawWire(p, {QPointF(600, 315), QPointF(660, 315), QPointF(660, 410), QPointF(720, 410)}, kWire, "4");
  DrawWire(p, {QPointF(390, 200), QPointF(410, 200), QPointF(410, 450), QPointF(390, 450)}, kSignalWire, "5");
  DrawWire(p, {QPointF(390, 480), QPointF(535, 480), QPointF(535, 340)}, kSignalWire, "6");
  DrawWire(p, {QPointF(105, 340), QPointF(105, 580), QPointF(880, 580), QPointF(880, 410), QPointF(860, 410)},
           kGroundWire, "7");
  DrawWire(p, {QPointF(880, 410), QPointF(880, 170), QPointF(860, 170)}, kGroundWire, QString());
  return img;
}
