#include "TextElements.h"

#include "Canvas.h"

#include <QPainter>
#include <cmath>

QFont TextFont(const SkinText& text) {
  QFont f(text.family);
  f.setPointSize(text.points);
  f.setBold(text.bold);
  return f;
}

QPoint TextPosition(const SkinText& text) {
  const QFontMetricsF fm = CanvasMetrics(TextFont(text));
  const QRect& a = text.area;
  const qreal left = text.centred ? a.left() + (a.width() - fm.horizontalAdvance(text.value)) / 2 : a.left();
  const qreal top = a.top() + (a.height() - fm.height()) / 2;
  return QPoint(static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)));
}

void DrawTextLikeReader(QImage& screen, const SkinText& text) {
  QPainter p(&screen);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(TextFont(text));
  p.setPen(text.color);
  p.drawText(QRect(TextPosition(text), screen.size()), Qt::AlignLeft | Qt::AlignTop, text.value);
}
