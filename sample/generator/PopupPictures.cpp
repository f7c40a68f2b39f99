#include "PopupPictures.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kAmber(232, 163, 58);
const QColor kLightAmber(255, 212, 120);
const QColor kPanel(30, 41, 56);
const QColor kEdge(10, 14, 20);
const QColor kRim(64, 84, 110);
const QColor kRule(44, 58, 78);

// Plain rows with a rim at both sides; an amber line under the top edge.
QImage DrawPanel(const SkinPopup& popup) {
  const QSize size = PopupSize(popup);
  QImage img = NewCanvas(size, kPanel);
  QPainter p(&img);
  const int w = size.width(), h = size.height();
  p.fillRect(0, 0, 1, h, kEdge);
  p.fillRect(w - 1, 0, 1, h, kEdge);
  p.fillRect(1, 0, 1, h, kRim);
  p.fillRect(w - 2, 0, 1, h, kRim);
  p.fillRect(0, 0, w, 1, kEdge);
  p.fillRect(1, 1, w - 2, 2, kAmber);
  p.fillRect(0, h - 1, w, 1, kEdge);
  p.fillRect(1, h - 2, w - 2, 1, kRim);
  return img;
}

// The title screen's list: a dark plate cut at the corners like the window, with an amber rim.
QImage DrawShapedPanel(const SkinPopup& popup) {
  const QSize size = PopupSize(popup);
  QImage img = NewCanvas(size, QColor(18, 26, 38));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addPolygon(QPolygonF(PopupShape(popup)));
  outline.closeSubpath();
  p.fillPath(outline, QColor(24, 34, 48));
  p.setPen(QPen(kAmber, 3));
  p.drawPath(outline);
  return img;
}

QImage DrawItem(const SkinPopup& popup, const QString& look) {
  const QSize size = popup.itemSize;
  QImage img = NewCanvas(size, popup.shaped ? QColor(24, 34, 48) : kPanel);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (look == "up") {
    p.fillRect(QRect(6, size.height() - 1, size.width() - 12, 1), popup.shaped ? QColor(40, 54, 72) : kRule);
    return img;
  }
  QPainterPath face;
  face.addRoundedRect(QRectF(2, 1.5, size.width() - 4, size.height() - 3), 5, 5);
  QLinearGradient fill(0, 0, 0, size.height());
  if (look == "mv") {
    fill.setColorAt(0, kLightAmber);
    fill.setColorAt(1, kAmber);
  } else {
    fill.setColorAt(0, QColor(176, 110, 30));
    fill.setColorAt(1, QColor(214, 146, 50));
  }
  p.fillPath(face, fill);
  p.setPen(QPen(QColor(120, 76, 20), 1));
  p.drawPath(face);
  return img;
}

}  // namespace

std::map<QString, QImage> DrawPopupPictures(const SkinPopup& popup) {
  return {{"fon", popup.shaped ? DrawShapedPanel(popup) : DrawPanel(popup)},
          {"up", DrawItem(popup, "up")},
          {"mv", DrawItem(popup, "mv")},
          {"dn", DrawItem(popup, "dn")}};
}
