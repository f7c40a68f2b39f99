// Opens the input as a resource pack, lists it and extracts every listed file.

#include "app/Errors.h"
#include "app/ResourcePack.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The pack is read from a file, as the program reads it; removed when the run ends.
struct TInputFile {
  QString name = QDir::tempPath() + QStringLiteral("/pack_fuzz_%1.dat").arg(getpid());
  ~TInputFile() { QFile::remove(name); }
};

const QString& PackFile() {
  static const TInputFile file;
  return file.name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    QFile file(PackFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
      std::abort();
  }
  // The file is there, so EFOpenError would be a fault and is left to end the run.
  try {
    PackOpenHostFile(PackFile());
  } catch (const EDataError&) {
    return 0;
  }
  for (const std::string& path : PackListFiles()) {
    TMemoryStream stream;
    PackLoad(path, stream);
  }
  PackClose();
  return 0;
}
