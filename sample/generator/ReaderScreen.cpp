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

// The bar over the page that the page's title is written on: dark metal with an amber mark
// at its left end, the look of the toolbar's buttons.
void DrawPageHeader(QPainter& p, const QRect& r) {
  DrawPlate(p, QRectF(r), 5);
  p.fillRect(QRectF(r.left() + 8, r.top() + 7, 3, r.height() - 14), QColor(232, 163, 58));
}

// A white field sunk into the status strip, a little larger than the edit box it frames,
// with its label right-aligned before it.
void DrawPathField(QPainter& p, const SkinPath& path) {
  const QRectF field = QRectF(path.box).adjusted(-2, -2, 2, 2);
  DrawInsetPanel(p, field, 2, QColor(255, 255, 255));
  p.save();
  p.setFont(PixelFont("DejaVu Sans", 11));
  p.setPen(QColor(150, 166, 186));
  p.drawText(QRectF(field.left() - 150, field.top(), 142, field.height()),
             Qt::AlignRight | Qt::AlignVCenter, path.label);
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

  // Both panels end 7 pixels above the status strip.
  const int panelsTop = 132, panelsBottom = layout.statusStrip.top() - 7;
  DrawContentsPanel(p, QRect(18, panelsTop, 232, panelsBottom - panelsTop));
  DrawPageHeader(p, layout.pageHeader);
  DrawPageArea(p, QRectF(262, panelsTop, 520, panelsBottom - panelsTop));
  DrawInsetPanel(p, QRectF(layout.statusStrip), 4, QColor(16, 22, 30));
  for (const SkinPath& path : layout.paths)
    if (path.screen == 1) DrawPathField(p, path);
  return img;
}
