#include "document/FileCopy.h"

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"
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

std::string OnDiskForDesktop(const std::string& file) {
  const QString host = HostPath::ToHost(file);
  if ((!host.isEmpty() && QFileInfo::exists(host)) || !FileOrPackExists(file)) return file;
  const std::string key = NameLower(file);
  const auto known = Global.DesktopCopies.find(key);
  if (known != Global.DesktopCopies.end() && QFileInfo::exists(HostPath::ToHost(known->second))) return known->second;
  const std::string name = FileNamePart(file);
  std::string target = Global.TempFolder + name;
  const auto taken = [&](const std::string& candidate) {
    for (const auto& [source, copy] : Global.DesktopCopies)
      if (source != key && SameName(copy, candidate)) return true;
    return false;
  };
  for (int n = 1; taken(target); ++n) target = Global.TempFolder + "skinbook" + std::to_string(n) + "\\" + name;
  if (!CopyReplacing(file, target)) return file;
  Global.DesktopCopies[key] = target;
  return target;
}

}  // namespace FileCopy
