#pragma once
// The byte layout of the resource pack, shared by its reader and its writer. Every integer
// is a 32-bit little-endian word; sizes and offsets stay below 2^31.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace PackFormat {

// Header: (unpacked - stored) directory size XOR the first mask, stored size XOR the second.
constexpr uint32_t kSizeDifferenceMask = 0x5C2E91A7;
constexpr uint32_t kStoredSizeMask = 0x3D7A04E6;
constexpr size_t kHeaderSize = 8;

// Directory: group count, entry count, a word the reader ignores, root group index; then
// the group table (first entry, entry count) and the entry table.
constexpr size_t kDirectoryHeaderSize = 16;
constexpr size_t kGroupSize = 8;
constexpr size_t kEntrySize = 80;

// Entry: the name, zero-ended unless it fills the field, then four words.
constexpr size_t kNameSize = 64;
constexpr size_t kOffsetField = 64;  // data-area offset of a file, group index of a folder
constexpr size_t kStoredSizeField = 68;
constexpr size_t kUnpackedSizeField = 72;
constexpr size_t kKindField = 76;

enum Kind : uint32_t { kFile = 1, kFolder = 2 };

constexpr uint64_t kSizeLimit = uint64_t{1} << 31;

inline uint32_t ReadWord(std::string_view bytes, size_t at) {
  const auto byte = [&](size_t i) { return uint32_t{static_cast<unsigned char>(bytes[at + i])}; };
  return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

inline void WriteWord(std::string& bytes, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

inline void AppendWord(std::string& bytes, uint32_t value) {
  bytes.resize(bytes.size() + 4);
  WriteWord(bytes, bytes.size() - 4, value);
}

}  // namespace PackFormat
