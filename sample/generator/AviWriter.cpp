#include "AviWriter.h"

#include <QBuffer>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr uint32_t kHasIndex = 0x10;  // main header flag: an idx1 chunk follows the frames
constexpr uint32_t kKeyFrame = 0x10;  // index flag: the frame stands alone

void Put(QByteArray& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray Chunk(const char* id, const QByteArray& data) {
  QByteArray out(id, 4);
  Put(out, static_cast<uint32_t>(data.size()), 4);
  out += data;
  if (data.size() % 2) out.append('\0');  // chunks start on even offsets
  return out;
}

QByteArray List(const char* type, const QByteArray& data) {
  QByteArray out("LIST", 4);
  Put(out, static_cast<uint32_t>(data.size() + 4), 4);
  out.append(type, 4);
  return out + data;
}

QByteArray Jpeg(const QImage& frame, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!frame.convertToFormat(QImage::Format_RGB888).save(&buffer, "JPEG", quality))
    throw std::runtime_error("cannot encode a JPEG frame");
  return bytes;
}

}  // namespace

QByteArray EncodeMjpegAvi(const std::vector<QImage>& frames, int framesPerSecond, int quality) {
  if (frames.empty() || framesPerSecond <= 0) throw std::runtime_error("an AVI needs frames and a frame rate");
  const int width = frames.front().width(), height = frames.front().height();
  const auto count = static_cast<uint32_t>(frames.size());

  std::vector<QByteArray> jpegs;
  uint32_t largest = 0;
  for (const QImage& frame : frames) {
    if (frame.size() != frames.front().size()) throw std::runtime_error("AVI frames differ in size");
    jpegs.push_back(Jpeg(frame, quality));
    largest = std::max(largest, static_cast<uint32_t>(jpegs.back().size()));
  }

  QByteArray mainHeader;
  Put(mainHeader, 1000000 / framesPerSecond, 4);  // microseconds per frame
  Put(mainHeader, largest * framesPerSecond, 4);  // bytes per second at most
  Put(mainHeader, 0, 4);                          // padding granularity
  Put(mainHeader, kHasIndex, 4);
  Put(mainHeader, count, 4);
  Put(mainHeader, 0, 4);  // initial frames
  Put(mainHeader, 1, 4);  // streams
  Put(mainHeader, largest, 4);
  Put(mainHeader, width, 4);
  Put(mainHeader, height, 4);
  for (int i = 0; i < 4; ++i) Put(mainHeader, 0, 4);

  QByteArray streamHeader("vidsMJPG", 8);
  Put(streamHeader, 0, 4);  // flags
  Put(streamHeader, 0, 2);  // priority
  Put(streamHeader, 0, 2);  // language
  Put(streamHeader, 0, 4);  // initial frames
  Put(streamHeader, 1, 4);  // scale: the rate counts frames per second
  Put(streamHeader, framesPerSecond, 4);
  Put(streamHeader, 0, 4);  // start
  Put(streamHeader, count, 4);
  Put(streamHeader, largest, 4);
  Put(streamHeader, 0xFFFFFFFF, 4);  // quality: the default
  Put(streamHeader, 0, 4);           // sample size: frames vary
  Put(streamHeader, 0, 2);
  Put(streamHeader, 0, 2);
  Put(streamHeader, width, 2);
  Put(streamHeader, height, 2);

  QByteArray format;  // the frames' bitmap header
  Put(format, 40, 4);
  Put(format, width, 4);
  Put(format, height, 4);
  Put(format, 1, 2);   // planes
  Put(format, 24, 2);  // bits per pixel once decoded
  format.append("MJPG", 4);
  Put(format, static_cast<uint32_t>(width * height * 3), 4);
  for (int i = 0; i < 4; ++i) Put(format, 0, 4);

  QByteArray movie, index;
  for (const QByteArray& jpeg : jpegs) {
    index.append("00dc", 4);
    Put(index, kKeyFrame, 4);
    Put(index, static_cast<uint32_t>(movie.size() + 4), 4);  // from the "movi" type field
    Put(index, static_cast<uint32_t>(jpeg.size()), 4);
    movie += Chunk("00dc", jpeg);
  }

  QByteArray body("AVI ", 4);
  body += List("hdrl", Chunk("avih", mainHeader) + List("strl", Chunk("strh", streamHeader) + Chunk("strf", format)));
  body += List("movi", movie);
  body += Chunk("idx1", index);
  QByteArray file("RIFF", 4);
  Put(file, static_cast<uint32_t>(body.size()), 4);
  return file + body;
}
