#include "tools/FastBmp.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <stdexcept>

TFastBMP::TFastBMP(int width, int height) { SetSize(width, height); }

int TFastBMP::RowSizeFor(int width) {
  const long long rowSize = (static_cast<long long>(std::max(width, 0)) * 24 + 31) / 32 * 4;
  if (rowSize > INT_MAX) throw std::length_error("Bitmap too wide");
  return static_cast<int>(rowSize);
}

void TFastBMP::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const int rowSize = RowSizeFor(width);
  bits_.assign(static_cast<std::size_t>(rowSize) * static_cast<std::size_t>(height), 0);
  width_ = width;
  height_ = height;
  rowSize_ = rowSize;
}

void TFastBMP::LoadFromImage(const QImage& image) {
  const QImage source = image.convertToFormat(QImage::Format_BGR888);
  if (source.isNull()) {
    SetSize(0, 0);
    return;
  }
  SetSize(source.width(), source.height());
  const std::size_t pixelBytes = static_cast<std::size_t>(width_) * 3;
  for (int y = 0; y < height_; ++y) std::memcpy(ScanLine(y), source.constScanLine(y), pixelBytes);
}

QImage TFastBMP::ToImage() const {
  if (width_ == 0 || height_ == 0) return {};
  QImage image(width_, height_, QImage::Format_BGR888);
  if (image.isNull()) return {};
  const std::size_t pixelBytes = static_cast<std::size_t>(width_) * 3;
  for (int y = 0; y < height_; ++y) std::memcpy(image.scanLine(y), ScanLine(y), pixelBytes);
  return image;
}

bool Blend(TFastBMP& out, const TFastBMP& to, const TFastBMP& from, int level) {
  if (out.Width() != to.Width() || out.Width() != from.Width() || out.Height() != to.Height() ||
      out.Height() != from.Height())
    return false;
  level = std::clamp(level, 0, 255);
  // The shift of a negative product rounds toward minus infinity, as the fade expects.
  std::array<int, 511> table;
  for (int d = -255; d <= 255; ++d) table[d + 255] = (level * d) >> 8;

  const int rowBytes = out.Width() * 3;
  std::uint8_t* o = out.Bits();
  const std::uint8_t* t = to.Bits();
  const std::uint8_t* f = from.Bits();
  for (int row = 0; row < out.Height(); ++row) {
    for (int i = 0; i < rowBytes; ++i) o[i] = static_cast<std::uint8_t>(f[i] + table[t[i] - f[i] + 255]);
    o += out.RowSize();
    t += to.RowSize();
    f += from.RowSize();
  }
  return true;
}
