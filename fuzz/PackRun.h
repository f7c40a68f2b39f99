#pragma once
// Shared by the pack targets: writes a pack to a file, opens it as the program does, lists it
// and extracts every listed file.

#include "app/Errors.h"
#include "app/PackFormat.h"
#include "app/ResourcePack.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>
#include <cstdlib>
#include <set>
#include <string>

namespace PackRun {

// The pack is read from a file, as the program reads it; removed when the run ends.
struct TInputFile {
  QString name = QDir::tempPath() + QStringLiteral("/pack_fuzz_%1.dat").arg(getpid());
  ~TInputFile() { QFile::remove(name); }
};

inline const QString& PackFile() {
  static const TInputFile file;
  return file.name;
}

inline void OpenAndWalk(const std::string& pack) {
  {
    QFile file(PackFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    if (file.write(pack.data(), static_cast<qint64>(pack.size())) != static_cast<qint64>(pack.size())) std::abort();
  }
  // The file is there, so EFOpenError would be a fault and is left to end the run.
  try {
    PackOpenHostFile(PackFile());
  } catch (const EDataError&) {
    return;
  }
  // Every listed path is there once and reaches an entry.
  std::set<std::string> listed;
  for (const std::string& path : PackListFiles()) {
    if (path.empty() || path.size() > 1024 || !listed.insert(path).second || PackFind(path) < 0) __builtin_trap();
    TMemoryStream stream;
    if (PackLoad(path, stream) == 0 && stream.Position() != 0) __builtin_trap();
  }
  PackClose();
}

// A valid header around a directory block as stored and the data area behind it.
inline std::string WithHeader(const std::string& block, size_t unpackedSize, std::string_view data) {
  std::string pack;
  PackFormat::AppendWord(pack, static_cast<uint32_t>(unpackedSize - block.size()) ^ PackFormat::kSizeDifferenceMask);
  PackFormat::AppendWord(pack, static_cast<uint32_t>(block.size()) ^ PackFormat::kStoredSizeMask);
  return pack + block + std::string(data);
}

// Input: the directory's length as a word, the directory, then the data area.
struct TSplitInput {
  std::string directory;
  std::string_view data;
};

inline TSplitInput Split(const uint8_t* bytes, size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(bytes), size);
  if (size < 4) return {std::string(all), {}};
  const size_t length = std::min<size_t>(PackFormat::ReadWord(all, 0), size - 4);
  return {std::string(all.substr(4, length)), all.substr(4 + length)};
}

}  // namespace PackRun
