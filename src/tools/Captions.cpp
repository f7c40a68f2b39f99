#include "tools/Captions.h"

#include "platform/Cp1251.h"

#include <QFontMetrics>
#include <QPainter>

QFont CaptionFont(const std::string& name, int size, TFontStyles style) {
  QFont font(FromCp1251(name));
  if (size > 0) font.setPointSize(size);
  font.setBold(style & fsBold);
  font.setItalic(style & fsItalic);
  font.setUnderline(style & fsUnderline);
  font.setStrikeOut(style & fsStrikeOut);
  return font;
}

void DrawCharacters(QImage& picture, const QString& text, QRect box, const QFont& font, const QColor& color) {
  if (picture.isNull()) return;
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(color);
  const QFontMetrics metrics(font, &picture);
  for (const QChar ch : text) {
    if (box.width() <= 0) break;
    painter.setClipRect(box);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString(ch));
    box.setLeft(box.left() + metrics.horizontalAdvance(ch));
  }
}
