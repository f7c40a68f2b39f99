#include "WavWriter.h"

namespace {

void Put(QByteArray& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray EncodeWav(const std::vector<int16_t>& samples, int sampleRate) {
  constexpr int kChannels = 1, kBits = 16, kBlockAlign = kChannels * kBits / 8;
  const auto dataSize = static_cast<uint32_t>(samples.size() * kBlockAlign);
  QByteArray out;
  out.append("RIFF");
  Put(out, 36 + dataSize, 4);
  out.append("WAVE");
  out.append("fmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, kChannels, 2);
  Put(out, static_cast<uint32_t>(sampleRate), 4);
  Put(out, static_cast<uint32_t>(sampleRate * kBlockAlign), 4);
  Put(out, kBlockAlign, 2);
  Put(out, kBits, 2);
  out.append("data");
  Put(out, dataSize, 4);
  for (int16_t s : samples) Put(out, static_cast<uint16_t>(s), 2);
  return out;
}
