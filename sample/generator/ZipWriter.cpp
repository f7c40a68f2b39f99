#include "ZipWriter.h"

#include <cstdint>

namespace {

uint32_t Crc32(const QByteArray& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Put(QByteArray& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// 1 January 2026, noon, in the MS-DOS format.
constexpr uint32_t kDosTime = 12u << 11;
constexpr uint32_t kDosDate = ((2026u - 1980u) << 9) | (1u << 5) | 1u;

// The header fields that the local and the central record share, from "version needed" on.
void PutCommon(QByteArray& out, const QByteArray& name, const QByteArray& data) {
  Put(out, 10, 2);  // version needed: 1.0
  Put(out, 0, 2);   // flags
  Put(out, 0, 2);   // method: stored
  Put(out, kDosTime, 2);
  Put(out, kDosDate, 2);
  Put(out, Crc32(data), 4);
  Put(out, static_cast<uint32_t>(data.size()), 4);
  Put(out, static_cast<uint32_t>(data.size()), 4);
  Put(out, static_cast<uint32_t>(name.size()), 2);
  Put(out, 0, 2);  // extra field length
}

}  // namespace

QByteArray EncodeStoredZip(const std::vector<std::pair<QString, QByteArray>>& members) {
  QByteArray out, central;
  for (const auto& [fileName, data] : members) {
    const QByteArray name = fileName.toLatin1();
    const auto offset = static_cast<uint32_t>(out.size());
    Put(out, 0x04034B50, 4);
    PutCommon(out, name, data);
    out += name + data;

    Put(central, 0x02014B50, 4);
    Put(central, 20, 2);  // made by: MS-DOS
    PutCommon(central, name, data);
    Put(central, 0, 2);  // comment length
    Put(central, 0, 2);  // disk number
    Put(central, 0, 2);  // internal attributes
    Put(central, 0, 4);  // external attributes
    Put(central, offset, 4);
    central += name;
  }
  const auto centralAt = static_cast<uint32_t>(out.size());
  out += central;
  Put(out, 0x06054B50, 4);
  Put(out, 0, 2);
  Put(out, 0, 2);
  Put(out, static_cast<uint32_t>(members.size()), 2);
  Put(out, static_cast<uint32_t>(members.size()), 2);
  Put(out, static_cast<uint32_t>(central.size()), 4);
  Put(out, centralAt, 4);
  Put(out, 0, 2);
  return out;
}
