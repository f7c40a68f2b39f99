#pragma once
// Captions drawn into the pictures of skin buttons and switches.

#include "app/SkinModel.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <string>

QFont CaptionFont(const std::string& name, int size, TFontStyles style);

// One character at a time, each left- and top-aligned in what is left of the box and clipped
// by it; nothing wraps.
void DrawCharacters(QImage& picture, const QString& text, QRect box, const QFont& font, const QColor& color);

// A box given by its left, top, right and bottom edges; right and bottom lie outside it.
inline QRect EdgeBox(int left, int top, int right, int bottom) {
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
