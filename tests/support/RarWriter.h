#pragma once
// RAR archives with stored (uncompressed) members, written from the public description of the
// format: RAR 4 single archives and volume sets, and RAR 5 single archives. No RAR writer can
// be installed here; the tests and the sample book make their archives with this.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

struct TRarMember {
  TRarMember(QString name, QByteArray data = {}, bool folder = false)
      : name(std::move(name)), data(std::move(data)), folder(folder) {}

  enum class Naming {
    Oem,      // the name in code page 866 (letters outside it become '?')
    Unicode,  // code page 866 for old readers, followed by the name in RAR 4's Unicode coding
  };

  QString name;  // path inside the archive, '\' between components
  QByteArray data;
  bool folder = false;
  uint32_t dosTime = 0x30B15400;  // 17 May 2004, 10:32, as MS-DOS writes date and time
  Naming naming = Naming::Unicode;
  // Stored as made on Unix with this mode (a symbolic link is 0120777 with its target as data).
  std::optional<uint32_t> unixMode;
  // The unpacked size the header claims, in place of the data's own.
  std::optional<uint64_t> claimedSize;
};

QByteArray EncodeRar4(const std::vector<TRarMember>& members);

// A RAR 4 volume set with names of the "name.partN.rar" kind: each volume holds at most
// `volumeData` bytes of member data, a member's data continuing in the next volume.
std::vector<QByteArray> EncodeRar4Volumes(const std::vector<TRarMember>& members, int volumeData);

QByteArray EncodeRar5(const std::vector<TRarMember>& members);
