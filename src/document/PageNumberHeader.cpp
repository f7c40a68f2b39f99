#include "document/PageNumberHeader.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

void DrawPageNumberHeader(QPainter& painter, int numPage, int w) {
  QFont font(QStringLiteral("Arial"));
  // 8 points in the painter's units, which are screen pixels whatever the device.
  font.setPixelSize(8 * 96 / 72);
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  const QString text = QStringLiteral("Страница %1").arg(numPage);
  const QFontMetrics metrics(font);
  const int right = w - 50;
  painter.drawText(
      QRect(right - metrics.horizontalAdvance(text) - 2, 40, metrics.horizontalAdvance(text) + 2, metrics.height()),
      Qt::AlignRight | Qt::AlignTop, text);
  painter.restore();
}
