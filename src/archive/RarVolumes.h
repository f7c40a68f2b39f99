#pragma once
// RAR volume sets: which volumes belong to the one the reader opened, and whether the last of
// them says that another follows. The library reads across the volumes it is given but says
// nothing when one is missing, so the headers are looked at here.

#include <QByteArray>
#include <functional>
#include <string>
#include <vector>

struct TRarVolumeInfo {
  bool rar = false;           // RAR 4 or RAR 5 signature at the start
  bool volume = false;        // one volume of a set
  bool newNumbering = false;  // "name.partN.rar" rather than "name.rar", "name.r00", ...
  bool continues = false;     // the set goes on in a next volume
};

// Reads the block headers of one volume through `read` (offset, length -> the bytes there,
// fewer at the end of the file). Every size is checked against the bytes there are.
TRarVolumeInfo ReadRarVolumeInfo(const std::function<QByteArray(qint64 offset, qint64 length)>& read);

// The volume after `name` (a Windows name): "x.part1.rar" -> "x.part2.rar", "x.part09.rar"
// -> "x.part10.rar"; "x.rar" -> "x.r00" -> "x.r01" ... "x.r99" -> "x.s00". Empty when the
// name does not fit the numbering.
std::string NextVolumeName(const std::string& name, bool newNumbering);

struct TVolumeSet {
  std::vector<std::string> volumes;  // Windows names, the one opened first
  std::string missing;               // the volume that should follow the last one, when absent
};

inline constexpr int MaxVolumes = 1000;

// The volumes of the set that starts with `first`: `info` reads a volume's headers, `exists`
// tells whether a file is there.
TVolumeSet FindVolumes(const std::string& first, const std::function<TRarVolumeInfo(const std::string&)>& info,
                       const std::function<bool(const std::string&)>& exists);
