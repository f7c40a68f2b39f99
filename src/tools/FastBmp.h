#pragma once
// 24-bit pixel buffers laid out as a device-independent bitmap, and the table-driven blend of
// the cross-fade.

#include <QImage>

#include <cstdint>
#include <vector>

// Rows are stored bottom-up (the first row in memory is the bottom row), 3 bytes per pixel in
// blue, green, red order, each row padded to a multiple of 4 bytes.
class TFastBMP {
 public:
  TFastBMP() = default;
  TFastBMP(int width, int height);

  // Bytes per row for a width: ((width × 24 + 31) div 32) × 4. Throws std::length_error for a
  // width whose row does not fit an int.
  static int RowSizeFor(int width);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int RowSize() const { return rowSize_; }
  int Gap() const { return rowSize_ - 3 * width_; }  // padding after each row's pixels

  // Resizes to width × height (negative counts as 0) with every byte zero.
  void SetSize(int width, int height);
  // Takes the picture's size and its pixels converted to 24 bits; a null picture gives 0 × 0.
  void LoadFromImage(const QImage& image);
  // The buffer as a picture to draw; a null picture when it is empty.
  QImage ToImage() const;

  std::uint8_t* Bits() { return bits_.data(); }
  const std::uint8_t* Bits() const { return bits_.data(); }
  // Row y of the picture, counted from the top.
  std::uint8_t* ScanLine(int y) { return Bits() + static_cast<std::size_t>(height_ - 1 - y) * rowSize_; }
  const std::uint8_t* ScanLine(int y) const { return Bits() + static_cast<std::size_t>(height_ - 1 - y) * rowSize_; }

 private:
  int width_ = 0;
  int height_ = 0;
  int rowSize_ = 0;
  std::vector<std::uint8_t> bits_;
};

// out = from + ((to − from) × level) >> 8 per byte, through a table of 511 entries built for
// the level (0 … 255; other values are clamped). Level 0 gives From exactly; level 255 is
// within one step of To. Refuses (returns false, Out untouched) unless all three buffers have
// the same width and height. Out may be the same buffer as To or From.
bool Blend(TFastBMP& out, const TFastBMP& to, const TFastBMP& from, int level);
