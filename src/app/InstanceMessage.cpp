#include "app/InstanceMessage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kCodesOffset = 4;
constexpr size_t kTextsOffset = 16;

void PutLE(std::string& bytes, size_t at, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetLE(std::string_view bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

}  // namespace

TInstanceMessage TInstanceMessage::Make(TInstanceKind kind, std::string_view text) {
  TInstanceMessage message;
  message.Kind = static_cast<uint16_t>(kind);
  message.Count = 1;
  message.Texts[0] = std::string(text.substr(0, kTextSize - 1));
  return message;
}

std::string TInstanceMessage::Encode() const {
  std::string bytes(kSize, '\0');
  PutLE(bytes, 0, Kind, 2);
  PutLE(bytes, 2, Count, 2);
  for (size_t i = 0; i < kItems; ++i) {
    PutLE(bytes, kCodesOffset + 4 * i, Codes[i], 4);
    // A zero inside a text would end it early on the other side: it ends it here already.
    const std::string_view text(Texts[i].c_str());
    const size_t length = std::min(text.size(), kTextSize - 1);
    std::memcpy(bytes.data() + kTextsOffset + kTextSize * i, text.data(), length);
  }
  return bytes;
}

std::optional<TInstanceMessage> TInstanceMessage::Decode(std::string_view bytes) {
  if (bytes.size() != kSize) return std::nullopt;
  TInstanceMessage message;
  message.Kind = static_cast<uint16_t>(GetLE(bytes, 0, 2));
  message.Count = static_cast<uint16_t>(GetLE(bytes, 2, 2));
  if (message.Count > kItems) return std::nullopt;
  for (size_t i = 0; i < kItems; ++i) {
    message.Codes[i] = GetLE(bytes, kCodesOffset + 4 * i, 4);
    const std::string_view item = bytes.substr(kTextsOffset + kTextSize * i, kTextSize);
    const size_t end = item.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    message.Texts[i] = std::string(item.substr(0, end));
  }
  return message;
}
