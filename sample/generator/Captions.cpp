#include "Captions.h"

#include "Canvas.h"
#include "ElementFaces.h"

#include <QPainter>
#include <cmath>

QFont CaptionFont(const SkinElement& element) {
  QFont f(CaptionFontFamily());
  f.setPointSize(element.fontPoints);
  f.setBold(true);
  return f;
}

QRect CaptionBox(const SkinElement& element, const QString& text) {
  const QFontMetricsF fm = CanvasMetrics(CaptionFont(element));
  qreal width = 0;
  for (QChar c : text) width += fm.horizontalAdvance(c);
  const QRect area = CaptionArea(element);
  const int left = area.left() + static_cast<int>(std::floor((area.width() - width) / 2));
  const int top = area.top() + static_cast<int>(std::floor((area.height() - fm.height()) / 2));
  return QRect(QPoint(left, top), area.bottomRight());
}

void DrawCaptionLikeReader(QImage& picture, const SkinElement& element, const QString& text, const QColor& color) {
  QPainter p(&picture);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(CaptionFont(element));
  p.setPen(color);
  QRect box = CaptionBox(element, text);
  for (QChar c : text) {
    p.setClipRect(box);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString(c));
    box.setLeft(box.left() + p.fontMetrics().horizontalAdvance(c));
  }
}
