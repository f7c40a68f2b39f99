#pragma once
// The record the program's processes exchange as the data of a WM_COPYDATA message, and the
// numbers of the plain messages that answer it. The record is 840 bytes, little-endian:
//   0  Kind (16 bits)       0 open a page, 1 print a picture, 3 picture query
//   2  Count (16 bits)      text items used, at most 3
//   4  Codes (3 x 32 bits)  one code per text item
//   16 Texts (3 x 274)      Windows-1251, each ended by a zero byte within its 274 bytes
//   838 two zero bytes

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TInstanceKind : uint16_t { OpenPage = 0, PrintPicture = 1, PictureQuery = 3 };

// Plain messages with fixed numbers.
namespace InstanceMessages {
constexpr uint32_t PrintPicture = 1224;  // posted to itself after a kind-1 record
constexpr uint32_t QueryAnswer = 1225;   // answer to a picture query: WParam 1 yes, 0 no
constexpr uint32_t HelpRequest = 1226;   // posted to the main window: F1 as if pressed there
constexpr uint32_t WindowHandle = 1690;  // posted back after a page was opened: WParam the window
}  // namespace InstanceMessages

struct TInstanceMessage {
  static constexpr size_t kSize = 840;
  static constexpr size_t kTextSize = 274;  // the zero byte included
  static constexpr size_t kItems = 3;

  uint16_t Kind = 0;
  uint16_t Count = 0;
  std::array<uint32_t, kItems> Codes{};
  std::array<std::string, kItems> Texts;  // without the zero byte

  // The record senders of this program build: Count 1, code 0, `text` in the first item, cut
  // to 273 bytes.
  static TInstanceMessage Make(TInstanceKind kind, std::string_view text);

  // The 840 bytes; texts longer than 273 bytes are cut.
  std::string Encode() const;
  // Nothing for a record of another size, a Count above 3, or a text item without its zero
  // byte: such a message is none of ours, or damaged.
  static std::optional<TInstanceMessage> Decode(std::string_view bytes);

  bool operator==(const TInstanceMessage&) const = default;
};
