#include "app/ComprStream.h"

#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "platform/HostPath.h"

#include <QFile>
#include <QFileInfo>

// Sharing modes mean nothing to the host's files; both modes read the same way.
TComprStream::TComprStream(const std::string& fileName, Mode) {
  const int entry = PackFind(fileName);
  if (entry >= 0) {
    // The pack's copy wins; a damaged copy must not be replaced by a disk file unnoticed.
    if (PackExtract(entry, *this) != 0) throw EFOpenError(fileName);
    return;
  }
  const QString host = HostPath::ToHost(fileName);
  QFile file(host);
  if (host.isEmpty() || QFileInfo(host).isDir() || !file.open(QIODevice::ReadOnly)) throw EFOpenError(fileName);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw EFOpenError(fileName);
  Data().assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  SetPosition(0);
}
