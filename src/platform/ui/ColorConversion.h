#pragma once
// Colours of the book (red in the low byte) as Qt colours.

#include "platform/BookColor.h"

#include <QColor>

// Values with the top bit set name system colours: the window's background, a button's face,
// and the rest are taken as text.
inline QColor ToQColor(TColor color) {
  if (color < 0) {
    const int index = color & 0xFF;
    return index == 5 ? QColor(Qt::white) : index == 15 ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::black);
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
