#include "app/FileCopy.h"

#include "app/ComprStream.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>

namespace FileCopy {

bool CopyReplacing(const std::string& source, const std::string& target) {
  std::string bytes;
  try {
    bytes = TComprStream(source).Data();
  } catch (const std::exception&) {
    return false;
  }
  const QString host = HostPath::ToHost(target);
  if (host.isEmpty() || !QDir().mkpath(QFileInfo(host).path())) return false;
  QSaveFile file(host);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return file.commit();
}

void CopyFolderTree(const std::string& folder, const std::string& base, const std::string& target) {
  const QString hostFolder = HostPath::ToHost(folder);
  const QString hostBase = HostPath::ToHost(base);
  const QString hostTarget = HostPath::ToHost(target);
  if (hostFolder.isEmpty() || hostBase.isEmpty() || hostTarget.isEmpty()) return;
  const QDir baseDir(hostBase);
  QDirIterator it(hostFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString to = QDir(hostTarget).filePath(baseDir.relativeFilePath(from));
    if (!QDir().mkpath(QFileInfo(to).path())) continue;
    QFile::remove(to);
    QFile::copy(from, to);
  }
}

}  // namespace FileCopy
