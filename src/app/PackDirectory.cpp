#include "app/PackDirectory.h"

#include "app/Errors.h"
#include "app/PackFormat.h"
#include "app/ZlibBlock.h"

#include <cstring>

using namespace PackFormat;

namespace {

size_t GroupAt(uint32_t group) { return kDirectoryHeaderSize + size_t{group} * kGroupSize; }

}  // namespace

TPackDirectory::TPackDirectory(std::string bytes, uint64_t dataSize) : bytes_(std::move(bytes)) {
  if (bytes_.size() < kDirectoryHeaderSize) throw EDataError("the directory is shorter than its header");
  groupCount_ = ReadWord(bytes_, 0);
  entryCount_ = ReadWord(bytes_, 4);
  rootGroup_ = ReadWord(bytes_, 12);
  CheckTables();
  CheckGroups();
  CheckEntries(dataSize);
}

void TPackDirectory::CheckTables() const {
  const uint64_t needed =
      kDirectoryHeaderSize + uint64_t{groupCount_} * kGroupSize + uint64_t{entryCount_} * kEntrySize;
  if (needed > bytes_.size()) throw EDataError("the group and entry counts run past the directory");
  if (rootGroup_ >= groupCount_) throw EDataError("the root group index is out of range");
}

void TPackDirectory::CheckGroups() const {
  for (uint32_t g = 0; g < groupCount_; ++g) {
    if (uint64_t{GroupFirst(g)} + GroupLength(g) > entryCount_)
      throw EDataError("group " + std::to_string(g) + " lists entries past the entry table");
  }
}

void TPackDirectory::CheckEntries(uint64_t dataSize) const {
  for (uint32_t i = 0; i < entryCount_; ++i) {
    const TPackEntry e = Entry(i);
    const auto fail = [i](const char* what) { throw EDataError("entry " + std::to_string(i) + ": " + what); };
    if (e.kind == kFolder && e.offset >= groupCount_) fail("the folder's group index is out of range");
    if (e.kind != kFile) continue;
    if (uint64_t{e.offset} + e.storedSize > dataSize) fail("the file's bytes lie past the end of the pack");
    if (e.unpackedSize >= kSizeLimit) fail("the file's unpacked size is out of range");
    if (e.storedSize != e.unpackedSize && !CanInflateTo(e.storedSize, e.unpackedSize))
      fail("the file's unpacked size is more than its bytes can hold");
  }
}

uint32_t TPackDirectory::GroupFirst(uint32_t group) const { return ReadWord(bytes_, GroupAt(group)); }

uint32_t TPackDirectory::GroupLength(uint32_t group) const { return ReadWord(bytes_, GroupAt(group) + 4); }

TPackEntry TPackDirectory::Entry(uint32_t index) const {
  const size_t at = GroupAt(groupCount_) + size_t{index} * kEntrySize;
  const char* name = bytes_.data() + at;
  return TPackEntry{
      std::string_view(name, strnlen(name, kNameSize)),
      ReadWord(bytes_, at + kOffsetField),
      ReadWord(bytes_, at + kStoredSizeField),
      ReadWord(bytes_, at + kUnpackedSizeField),
      ReadWord(bytes_, at + kKindField),
  };
}
