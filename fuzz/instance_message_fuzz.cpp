// Any bytes as the data of a message from another process: the record is refused or read
// into texts that fit their items, and reads the same once written again.

#include "app/InstanceMessage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto record = TInstanceMessage::Decode(bytes);
  if (!record) return 0;
  if (size != TInstanceMessage::kSize || record->Count > TInstanceMessage::kItems) __builtin_trap();
  for (const std::string& text : record->Texts)
    if (text.size() >= TInstanceMessage::kTextSize || text.find('\0') != std::string::npos) __builtin_trap();
  if (TInstanceMessage::Decode(record->Encode()) != record) __builtin_trap();
  return 0;
}
