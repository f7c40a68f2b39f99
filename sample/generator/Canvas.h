#pragma once
// Picture helpers shared by every drawing: canvases at a fixed resolution, blur, soft shadows
// and saving in the book's picture format.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QString>

class QPainter;

// An opaque canvas at 96 dots per inch, so that point sizes become the same pixel sizes
// here and in the reader.
QImage NewCanvas(QSize size, QColor fill = Qt::black);
QImage NewLayer(QSize size);  // transparent, premultiplied

// Three box-blur passes, close to a Gaussian of the same radius.
void Blur(QImage& layer, int radius);

// Fills `path` into a blurred layer and draws it under whatever comes next.
void DrawSoftShadow(QPainter& painter, const QPainterPath& path, QPointF offset, int radius, QColor color);

QFont PixelFont(const QString& family, int pixels, bool bold = false);

// Font metrics as on a canvas, so as in the reader's window.
QFontMetricsF CanvasMetrics(const QFont& font);

// 24-bit BMP; throws std::runtime_error when the file cannot be written.
void SaveBmp(const QImage& image, const QString& fileName);
void SavePng(const QImage& image, const QString& fileName);
