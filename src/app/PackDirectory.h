#pragma once
// The inflated directory of a resource pack: its group and entry tables, checked once when
// the pack is opened so that lookups and extractions can trust every index and range.

#include <cstdint>
#include <string>
#include <string_view>

struct TPackEntry {
  std::string_view name;  // up to the zero byte, at most 64 bytes
  uint32_t offset;        // data-area offset of a file, group index of a folder
  uint32_t storedSize;
  uint32_t unpackedSize;
  uint32_t kind;
};

class TPackDirectory {
 public:
  // `dataSize` is the length of the data area after the directory. Throws EDataError
  // saying what is wrong when a count, index, offset or size points outside the directory
  // or the data area, or when a member's unpacked size is more than its bytes can give.
  TPackDirectory(std::string bytes, uint64_t dataSize);

  uint32_t GroupCount() const { return groupCount_; }
  uint32_t EntryCount() const { return entryCount_; }
  uint32_t RootGroup() const { return rootGroup_; }
  uint32_t GroupFirst(uint32_t group) const;
  uint32_t GroupLength(uint32_t group) const;
  TPackEntry Entry(uint32_t index) const;

 private:
  void CheckTables() const;
  void CheckGroups() const;
  void CheckEntries(uint64_t dataSize) const;

  std::string bytes_;
  uint32_t groupCount_ = 0;
  uint32_t entryCount_ = 0;
  uint32_t rootGroup_ = 0;
};
