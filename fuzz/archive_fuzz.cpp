// An archive of any bytes: the volume headers are read without reading past the end, the
// walk ends, and every member name is either refused or split into components that stay
// inside the folder.

#include "archive/ArchiveReader.h"
#include "archive/MemberPath.h"
#include "archive/RarVolumes.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  ReadRarVolumeInfo(
      [&](qint64 offset, qint64 length) { return offset < 0 ? QByteArray() : bytes.mid(offset, length); });

  TArchiveReader reader;
  if (reader.OpenMemory(std::string(bytes.constData(), size)) != TRarCode::Success) return 0;
  TArchiveHeader header;
  for (int members = 0; members < 10000 && reader.ReadHeader(header) == TRarCode::Success; ++members) {
    const TMemberPath path = SplitMemberPath(header.name);
    for (const QString& component : path.components)
      if (path.Safe() && (component == ".." || component.contains(u'/') || component.contains(u'\\'))) __builtin_trap();
    uint64_t written = 0;
    const TRarCode result = reader.ReadData([&](uint64_t offset, const char*, size_t n) {
      written = offset + n;
      return written <= (uint64_t(1) << 26);
    });
    if (result != TRarCode::Success && !reader.Usable()) break;
  }
  return 0;
}
