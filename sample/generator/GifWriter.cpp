#include "GifWriter.h"

#include "Palette.h"

#include <stdexcept>
#include <unordered_map>

namespace {

constexpr int kMaxCodes = 4096;

// Packs codes least significant bit first, as GIF wants.
class BitWriter {
 public:
  void Put(int code, int width) {
    buffer_ |= static_cast<uint32_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      out_.append(static_cast<char>(buffer_ & 0xff));
      buffer_ >>= 8;
      bits_ -= 8;
    }
  }
  QByteArray Finish() {
    if (bits_ > 0) out_.append(static_cast<char>(buffer_ & 0xff));
    buffer_ = 0;
    bits_ = 0;
    return out_;
  }

 private:
  QByteArray out_;
  uint32_t buffer_ = 0;
  int bits_ = 0;
};

void PutWord(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xff));
  out.append(static_cast<char>((value >> 8) & 0xff));
}

void PutSubBlocks(QByteArray& out, const QByteArray& data) {
  for (qsizetype pos = 0; pos < data.size(); pos += 255) {
    const qsizetype n = std::min<qsizetype>(255, data.size() - pos);
    out.append(static_cast<char>(n));
    out.append(data.mid(pos, n));
  }
  out.append('\0');
}

// The image data of one frame, before it is cut into sub-blocks.
QByteArray LzwCompress(const std::vector<uint8_t>& indexes, int minCodeSize) {
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  BitWriter bits;
  std::unordered_map<uint32_t, int> table;  // (prefix code << 8 | next index) -> code
  int next = clear + 2;
  int width = minCodeSize + 1;
  bits.Put(clear, width);
  if (indexes.empty()) {
    bits.Put(end, width);
    return bits.Finish();
  }
  int prefix = indexes[0];
  for (size_t i = 1; i < indexes.size(); ++i) {
    const int k = indexes[i];
    const uint32_t key = static_cast<uint32_t>(prefix) << 8 | static_cast<uint32_t>(k);
    if (auto found = table.find(key); found != table.end()) {
      prefix = found->second;
      continue;
    }
    bits.Put(prefix, width);
    if (next < kMaxCodes) {
      table.emplace(key, next++);
      // The decoder learns each code one step later, so widen once `next` passes the limit.
      if (next > (1 << width) && width < 12) ++width;
    } else {
      bits.Put(clear, width);
      table.clear();
      next = clear + 2;
      width = minCodeSize + 1;
    }
    prefix = k;
  }
  bits.Put(prefix, width);
  bits.Put(end, width);
  return bits.Finish();
}

}  // namespace

QByteArray EncodeAnimatedGif(const std::vector<QImage>& frames, int delay) {
  if (frames.empty()) throw std::runtime_error("an animation needs at least one frame");
  const QSize size = frames.front().size();
  for (const QImage& f : frames)
    if (f.size() != size) throw std::runtime_error("animation frames differ in size");

  QList<QRgb> palette = MedianCutPalette(frames);
  while (palette.size() < 256) palette.append(qRgb(0, 0, 0));

  QByteArray out("GIF89a");
  PutWord(out, size.width());
  PutWord(out, size.height());
  out.append(static_cast<char>(0xF7));  // global table of 256 colours, 8 bits per primary
  out.append('\0');                     // background colour index
  out.append('\0');                     // no aspect ratio
  for (QRgb c : palette) {
    out.append(static_cast<char>(qRed(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qBlue(c)));
  }
  // Loop for ever.
  out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
  PutWord(out, 0);
  out.append('\0');

  for (const QImage& frame : frames) {
    out.append("\x21\xF9\x04", 3);
    out.append(static_cast<char>(0x04));  // leave the frame in place; no transparency
    PutWord(out, delay);
    out.append('\0');
    out.append('\0');

    out.append(',');
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, size.width());
    PutWord(out, size.height());
    out.append('\0');  // no local table, not interlaced

    out.append(static_cast<char>(8));
    PutSubBlocks(out, LzwCompress(MapToPalette(frame, palette), 8));
  }
  out.append(';');
  return out;
}
