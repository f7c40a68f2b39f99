#include "archive/RarVolumes.h"

#include "platform/WinNames.h"

#include <cctype>

namespace {

uint64_t Little(const QByteArray& bytes, qsizetype at, int count) {
  uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// A RAR 5 variable-length integer at `at`; false when it runs past the bytes or 64 bits.
bool Vint(const QByteArray& bytes, qsizetype& at, uint64_t& value) {
  value = 0;
  for (int shift = 0; shift < 64 && at < bytes.size(); shift += 7) {
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    value |= uint64_t(byte & 0x7F) << shift;
    if (!(byte & 0x80)) return true;
  }
  return false;
}

constexpr qint64 kMaxBlocks = 1'000'000;

void ReadRar4(const std::function<QByteArray(qint64, qint64)>& read, TRarVolumeInfo& info) {
  bool splitAfter = false;
  qint64 at = 7;
  for (qint64 blocks = 0; blocks < kMaxBlocks; ++blocks) {
    const QByteArray head = read(at, 7 + 4 + 32);
    if (head.size() < 7) break;
    const auto type = static_cast<unsigned char>(head[2]);
    const auto flags = static_cast<uint16_t>(Little(head, 3, 2));
    const auto size = static_cast<qint64>(Little(head, 5, 2));
    if (size < 7) break;
    qint64 added = 0;
    const bool fileBlock = type == 0x74 || type == 0x7A;
    if (flags & 0x8000 || fileBlock) {
      if (head.size() < 11) break;
      added = static_cast<qint64>(Little(head, 7, 4));
      if (fileBlock && flags & 0x100) {
        if (head.size() < 36) break;
        added |= static_cast<qint64>(Little(head, 32, 4)) << 32;
      }
    }
    if (type == 0x73) {
      info.volume = flags & 0x0001;
      info.newNumbering = flags & 0x0010;
      if (!info.volume) return;  // a single archive: nothing follows it
    } else if (type == 0x74) {
      splitAfter = flags & 0x02;
    } else if (type == 0x7B) {
      info.continues = flags & 0x0001;
      return;
    }
    if (added < 0 || added > (qint64(1) << 48)) break;
    at += size + added;
  }
  info.continues = info.volume && splitAfter;
}

void ReadRar5(const std::function<QByteArray(qint64, qint64)>& read, TRarVolumeInfo& info) {
  info.newNumbering = true;
  bool splitAfter = false;
  qint64 at = 8;
  for (qint64 blocks = 0; blocks < kMaxBlocks; ++blocks) {
    const QByteArray head = read(at, 4 + 10 * 6);
    qsizetype pos = 4;
    uint64_t size = 0, type = 0, flags = 0, extra = 0, data = 0;
    if (!Vint(head, pos, size) || size == 0 || size > (uint64_t(1) << 21)) break;
    const qint64 headerEnd = at + pos + static_cast<qint64>(size);
    if (!Vint(head, pos, type) || !Vint(head, pos, flags)) break;
    if ((flags & 0x0001) && !Vint(head, pos, extra)) break;
    if ((flags & 0x0002) && !Vint(head, pos, data)) break;
    if (data > (uint64_t(1) << 48)) break;
    uint64_t typeFlags = 0;
    if (type == 1 || type == 5) {
      if (!Vint(head, pos, typeFlags)) break;
    }
    if (type == 1) {
      info.volume = typeFlags & 0x0001;
      if (!info.volume) return;
    } else if (type == 2) {
      splitAfter = flags & 0x0010;
    } else if (type == 5) {
      info.continues = typeFlags & 0x0001;
      return;
    }
    at = headerEnd + static_cast<qint64>(data);
  }
  info.continues = info.volume && splitAfter;
}

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

TRarVolumeInfo ReadRarVolumeInfo(const std::function<QByteArray(qint64, qint64)>& read) {
  TRarVolumeInfo info;
  const QByteArray signature = read(0, 8);
  if (signature.startsWith(QByteArray("Rar!\x1a\x07\x00", 7))) {
    info.rar = true;
    ReadRar4(read, info);
  } else if (signature == QByteArray("Rar!\x1a\x07\x01\x00", 8)) {
    info.rar = true;
    ReadRar5(read, info);
  }
  return info;
}

std::string NextVolumeName(const std::string& name, bool newNumbering) {
  const std::string extension = FileExtension(name);
  const std::string stem = WithoutExtension(name);
  if (newNumbering) {
    // "x.part1.rar": the digits before the extension.
    size_t digitsStart = stem.size();
    while (digitsStart > 0 && std::isdigit(static_cast<unsigned char>(stem[digitsStart - 1]))) --digitsStart;
    std::string digits = stem.substr(digitsStart);
    if (digits.empty() || digits.size() > 9) return {};
    const std::string number = std::to_string(std::stoul(digits) + 1);
    const std::string padded =
        std::string(digits.size() > number.size() ? digits.size() - number.size() : 0, '0') + number;
    return stem.substr(0, digitsStart) + padded + extension;
  }
  if (AsciiLower(extension) == ".rar") return stem + ".r00";
  if (extension.size() == 4 && AllDigits(extension.substr(2))) {
    const int number = std::stoi(extension.substr(2)) + 1;
    char letter = extension[1];
    if (number > 99) {
      if (letter == 'z' || letter == 'Z') return {};
      ++letter;
    }
    const int kept = number % 100;
    return stem + '.' + letter + static_cast<char>('0' + kept / 10) + static_cast<char>('0' + kept % 10);
  }
  return {};
}

TVolumeSet FindVolumes(const std::string& first, const std::function<TRarVolumeInfo(const std::string&)>& info,
                       const std::function<bool(const std::string&)>& exists) {
  TVolumeSet set{{first}, {}};
  TRarVolumeInfo current = info(first);
  if (!current.volume) return set;
  const bool newNumbering = current.newNumbering;
  while (current.continues) {
    const std::string next = NextVolumeName(set.volumes.back(), newNumbering);
    if (next.empty()) break;
    if (!exists(next)) {
      set.missing = next;
      break;
    }
    if (static_cast<int>(set.volumes.size()) >= MaxVolumes) break;
    set.volumes.push_back(next);
    current = info(next);
  }
  return set;
}
