#include "Canvas.h"
#include "ScreenChrome.h"
#include "Screens.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor kPanelFill(238, 241, 245);
const QColor kEdge(16, 24, 34);

// The contents panel: flat and exactly edged, so that the open tab above it joins it.
void DrawContentsPanel(QPainter& p, const QRect& r) {
  QPainterPath outline;
  outline.addRect(QRectF(r));
  DrawSoftShadow(p, outline, QPointF(0, 3), 4, QColor(0, 0, 0, 150));
  p.fillRect(r, kPanelFill);
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), kEdge);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kEdge);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), kEdge);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), kEdge);
}

void DrawPageArea(QPainter& p, const QRectF& r) {
  DrawInsetPanel(p, r, 6, QColor(250, 249, 245));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  DrawEmblem(p, r.center() - QPointF(0, 24), 44, QColor(30, 52, 80, 28));
  p.setFont(PixelFont("DejaVu Sans", 14));
  p.setPen(QColor(30, 52, 80, 90));
  p.drawText(QRectF(r.left(), r.center().y() + 34, r.width(), 24), Qt::AlignCenter,
             QStringLiteral("Выберите раздел в оглавлении слева"));
  p.restore();
}

}  // namespace

QImage DrawReaderScreen(const SkinLayout& layout) {
  QImage img = DrawWindowBody(layout.screenSize, layout.windowShape, layout.title);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  // Toolbar groove under the buttons.
  QLinearGradient groove(0, 49, 0, 96);
  groove.setColorAt(0, QColor(14, 20, 28, 150));
  groove.setColorAt(1, QColor(14, 20, 28, 40));
  p.fillRect(QRectF(8, 49, layout.screenSize.width() - 16, 47), groove);
  p.fillRect(QRectF(8, 96, layout.screenSize.width() - 16, 1), QColor(255, 255, 255, 30));

  DrawContentsPanel(p, QRect(18, 132, 232, 436));
  DrawPageArea(p, QRectF(262, 101, 520, 467));
  DrawInsetPanel(p, QRectF(18, 575, 764, 16), 4, QColor(16, 22, 30));
  return img;
}
