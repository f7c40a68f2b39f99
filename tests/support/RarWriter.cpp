#include "support/RarWriter.h"

#include <zlib.h>
#include <QDateTime>

#include <algorithm>

namespace {

uint32_t Crc32(const QByteArray& bytes) {
  return static_cast<uint32_t>(
      crc32(0L, reinterpret_cast<const Bytef*>(bytes.constData()), static_cast<uInt>(bytes.size())));
}

void Put(QByteArray& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Code page 866 for the letters a Russian archive holds; anything else outside ASCII is '?'.
QByteArray ToCp866(const QString& text) {
  QByteArray out;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80)
      out.append(static_cast<char>(u));
    else if (u >= 0x0410 && u <= 0x043F)
      out.append(static_cast<char>(0x80 + (u - 0x0410)));
    else if (u >= 0x0440 && u <= 0x044F)
      out.append(static_cast<char>(0xE0 + (u - 0x0440)));
    else if (u == 0x0401)
      out.append(static_cast<char>(0xF0));
    else if (u == 0x0451)
      out.append(static_cast<char>(0xF1));
    else
      out.append('?');
  }
  return out;
}

// RAR 4's Unicode name coding: a high byte, then groups of up to four characters, each group
// led by a byte of two-bit operations (first character in the top bits): 0 one byte with high
// byte 0, 1 one byte with the leading high byte, 2 both bytes.
QByteArray EncodeUnicodeName(const QString& name) {
  char16_t high = 0;
  for (const QChar c : name)
    if (c.unicode() >= 0x100) {
      high = c.unicode() >> 8;
      break;
    }
  QByteArray out(1, static_cast<char>(high));
  for (qsizetype start = 0; start < name.size(); start += 4) {
    const qsizetype flagsAt = out.size();
    out.append('\0');
    unsigned flags = 0;
    for (qsizetype i = start; i < std::min(start + 4, name.size()); ++i) {
      const char16_t u = name[i].unicode();
      unsigned op = 2;
      if (u < 0x100)
        op = 0;
      else if ((u >> 8) == high)
        op = 1;
      flags |= op << (6 - 2 * (i - start));
      out.append(static_cast<char>(u & 0xFF));
      if (op == 2) out.append(static_cast<char>(u >> 8));
    }
    out[flagsAt] = static_cast<char>(flags);
  }
  return out;
}

bool IsAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// A RAR 4 block: the header CRC (low half of the CRC-32 of the rest) before the rest.
QByteArray Block4(uint8_t type, uint16_t flags, const QByteArray& body) {
  QByteArray rest;
  Put(rest, type, 1);
  Put(rest, flags, 2);
  Put(rest, 2 + 1 + 2 + 2 + body.size(), 2);
  rest.append(body);
  QByteArray block;
  Put(block, Crc32(rest) & 0xFFFF, 2);
  return block + rest;
}

constexpr uint16_t kMainVolume = 0x0001, kMainNewNumbering = 0x0010, kMainFirstVolume = 0x0100;
constexpr uint16_t kFileSplitBefore = 0x01, kFileSplitAfter = 0x02, kFileDirectory = 0xE0, kFileLarge = 0x100,
                   kFileUnicode = 0x200, kLongBlock = 0x8000;

QByteArray MarkerAndMain4(uint16_t mainFlags) {
  QByteArray out("Rar!\x1a\x07\x00", 7);
  QByteArray reserved;
  Put(reserved, 0, 2 + 4);
  return out + Block4(0x73, mainFlags, reserved);
}

// One file block carrying `part` of the member's data; `crc` is what the header records.
QByteArray FileBlock4(const TRarMember& m, const QByteArray& part, uint32_t crc, uint16_t splitFlags) {
  QByteArray name = ToCp866(m.name);
  uint16_t flags = kLongBlock | splitFlags;
  if (m.folder) flags |= kFileDirectory;
  if (m.naming == TRarMember::Naming::Unicode && !IsAscii(m.name)) {
    flags |= kFileUnicode;
    name += '\0' + EncodeUnicodeName(m.name);
  }
  const uint64_t unpacked = m.claimedSize.value_or(static_cast<uint64_t>(m.data.size()));
  const bool large = unpacked > 0xFFFFFFFFu;
  if (large) flags |= kFileLarge;

  QByteArray body;
  Put(body, static_cast<uint64_t>(part.size()) & 0xFFFFFFFFu, 4);
  Put(body, unpacked & 0xFFFFFFFFu, 4);
  Put(body, m.unixMode ? 3 : 2, 1);  // made on Unix, or on Windows
  Put(body, crc, 4);
  Put(body, m.dosTime, 4);
  Put(body, 29, 1);    // version needed to extract: 2.9
  Put(body, 0x30, 1);  // method: stored
  Put(body, name.size(), 2);
  Put(body, m.unixMode ? *m.unixMode : (m.folder ? 0x10 : 0x20), 4);
  if (large) {
    Put(body, static_cast<uint64_t>(part.size()) >> 32, 4);
    Put(body, unpacked >> 32, 4);
  }
  body.append(name);
  return Block4(0x74, flags, body) + part;
}

QByteArray EndBlock4(bool nextVolume) { return Block4(0x7B, nextVolume ? 0x0001 : 0, {}); }

void PutVint(QByteArray& out, uint64_t value) {
  do {
    uint8_t byte = value & 0x7F;
    value >>= 7;
    if (value) byte |= 0x80;
    out.append(static_cast<char>(byte));
  } while (value);
}

// A RAR 5 header: CRC-32 of what follows it, the size, then type, flags and the fields.
QByteArray Block5(uint64_t type, uint64_t flags, const QByteArray& fields) {
  QByteArray inner;
  PutVint(inner, type);
  PutVint(inner, flags);
  inner.append(fields);
  QByteArray sized;
  PutVint(sized, static_cast<uint64_t>(inner.size()));
  sized.append(inner);
  QByteArray block;
  Put(block, Crc32(sized), 4);
  return block + sized;
}

uint32_t UnixTime(uint32_t dosTime) {
  const QDate date(1980 + (dosTime >> 25), (dosTime >> 21) & 0x0F, (dosTime >> 16) & 0x1F);
  const QTime time((dosTime >> 11) & 0x1F, (dosTime >> 5) & 0x3F, 2 * (dosTime & 0x1F));
  return static_cast<uint32_t>(QDateTime(date, time).toSecsSinceEpoch());
}

}  // namespace

QByteArray EncodeRar4(const std::vector<TRarMember>& members) {
  QByteArray out = MarkerAndMain4(0);
  for (const TRarMember& m : members) out += FileBlock4(m, m.data, Crc32(m.data), 0);
  return out + EndBlock4(false);
}

std::vector<QByteArray> EncodeRar4Volumes(const std::vector<TRarMember>& members, int volumeData) {
  volumeData = std::max(volumeData, 1);
  std::vector<QByteArray> volumes{MarkerAndMain4(kMainVolume | kMainNewNumbering | kMainFirstVolume)};
  int room = volumeData;
  auto nextVolume = [&] {
    volumes.back() += EndBlock4(true);
    volumes.push_back(MarkerAndMain4(kMainVolume | kMainNewNumbering));
    room = volumeData;
  };
  for (const TRarMember& m : members) {
    qsizetype done = 0;
    do {
      if (room == 0) nextVolume();
      const QByteArray part = m.data.mid(done, room);
      const bool last = done + part.size() == m.data.size();
      uint16_t split = 0;
      if (done > 0) split |= kFileSplitBefore;
      if (!last) split |= kFileSplitAfter;
      // A part that continues records its own CRC; the last part records the whole member's.
      volumes.back() += FileBlock4(m, part, last ? Crc32(m.data) : Crc32(part), split);
      done += part.size();
      room -= static_cast<int>(part.size());
    } while (done < m.data.size());
  }
  volumes.back() += EndBlock4(false);
  return volumes;
}

QByteArray EncodeRar5(const std::vector<TRarMember>& members) {
  QByteArray out("Rar!\x1a\x07\x01\x00", 8);
  out += Block5(1, 0, QByteArray(1, '\0'));  // main header, no archive flags
  for (const TRarMember& m : members) {
    QByteArray name = m.name.toUtf8();
    name.replace('\\', '/');
    QByteArray fields;
    PutVint(fields, static_cast<uint64_t>(m.data.size()));          // data size
    PutVint(fields, m.folder ? 0x0001 | 0x0002 : 0x0002 | 0x0004);  // directory or CRC; time
    PutVint(fields, m.claimedSize.value_or(static_cast<uint64_t>(m.data.size())));
    PutVint(fields, m.unixMode ? *m.unixMode : (m.folder ? 0x10 : 0x20));
    Put(fields, UnixTime(m.dosTime), 4);
    if (!m.folder) Put(fields, Crc32(m.data), 4);
    PutVint(fields, 0);  // compression: version 0, stored
    PutVint(fields, m.unixMode ? 1 : 0);
    PutVint(fields, static_cast<uint64_t>(name.size()));
    fields.append(name);
    out += Block5(2, 0x0002, fields) + m.data;  // with a data area
  }
  return out + Block5(5, 0, QByteArray(1, '\0'));
}
