#include "Canvas.h"

#include <QPainter>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kDotsPerMeter = 3780;  // 96 dpi

// One box-blur pass along rows (horizontal) or columns; pixels outside count as transparent.
void BoxPass(QImage& img, int radius, bool horizontal) {
  const int w = img.width(), h = img.height();
  const int lines = horizontal ? h : w, length = horizontal ? w : h;
  const int window = 2 * radius + 1;
  std::vector<QRgb> line(length);
  for (int l = 0; l < lines; ++l) {
    for (int i = 0; i < length; ++i)
      line[i] = horizontal ? reinterpret_cast<const QRgb*>(img.constScanLine(l))[i]
                           : reinterpret_cast<const QRgb*>(img.constScanLine(i))[l];
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
      if (i < 0 || i >= length) return;
      const QRgb p = line[i];
      sum[0] += sign * qAlpha(p);
      sum[1] += sign * qRed(p);
      sum[2] += sign * qGreen(p);
      sum[3] += sign * qBlue(p);
    };
    for (int i = -radius; i < radius; ++i) add(i, 1);
    for (int i = 0; i < length; ++i) {
      add(i + radius, 1);
      const QRgb out = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
      if (horizontal)
        reinterpret_cast<QRgb*>(img.scanLine(l))[i] = out;
      else
        reinterpret_cast<QRgb*>(img.scanLine(i))[l] = out;
      add(i - radius, -1);
    }
  }
}

void Save(const QImage& image, const QString& fileName, const char* format) {
  if (!image.save(fileName, format)) throw std::runtime_error("cannot write " + fileName.toStdString());
}

}  // namespace

QImage NewCanvas(QSize size, QColor fill) {
  QImage img(size, QImage::Format_RGB32);
  img.setDotsPerMeterX(kDotsPerMeter);
  img.setDotsPerMeterY(kDotsPerMeter);
  img.fill(fill);
  return img;
}

QImage NewLayer(QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.setDotsPerMeterX(kDotsPerMeter);
  img.setDotsPerMeterY(kDotsPerMeter);
  img.fill(Qt::transparent);
  return img;
}

void Blur(QImage& layer, int radius) {
  if (radius <= 0) return;
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(layer, radius, true);
    BoxPass(layer, radius, false);
  }
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& path, QPointF offset, int radius, QColor color) {
  QImage layer = NewLayer(QSize(painter.device()->width(), painter.device()->height()));
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(painter.transform());
    p.translate(offset);
    p.fillPath(path, color);
  }
  Blur(layer, radius);
  painter.save();
  painter.resetTransform();
  painter.drawImage(0, 0, layer);
  painter.restore();
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont f(family);
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFontMetricsF CanvasMetrics(const QFont& font) {
  static const QImage device = NewCanvas(QSize(1, 1));
  return QFontMetricsF(font, &device);
}

void SaveBmp(const QImage& image, const QString& fileName) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  rgb.setDotsPerMeterX(kDotsPerMeter);
  rgb.setDotsPerMeterY(kDotsPerMeter);
  Save(rgb, fileName, "BMP");
}

void SavePng(const QImage& image, const QString& fileName) { Save(image, fileName, "PNG"); }
