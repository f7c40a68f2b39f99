#include "app/FileCopy.h"

#include "app/ComprStream.h"
#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>

namespace FileCopy {
namespace {

bool Fail(std::string* problem, const std::string& text) {
  if (problem) *problem = text;
  return false;
}

// Writes through a temporary file beside `host`, so that a failed copy leaves it whole.
bool WriteReplacing(const QString& host, const QByteArray& bytes, std::string* problem) {
  if (!QDir().mkpath(QFileInfo(host).path()))
    return Fail(problem, "cannot create the folder " + QFileInfo(host).path().toStdString());
  QSaveFile file(host);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return Fail(problem, "cannot write " + host.toStdString() + ": " + file.errorString().toStdString());
  return true;
}

}  // namespace

bool CopyReplacing(const std::string& source, const std::string& target, std::string* problem) {
  std::string bytes;
  try {
    bytes = TComprStream(source).Data();
  } catch (const std::exception& e) {
    return Fail(problem, e.what());
  }
  const QString host = HostPath::ToHost(target);
  if (host.isEmpty()) return Fail(problem, "cannot write " + Cp1251ToUtf8(target) + ": its drive has no folder here");
  return WriteReplacing(host, QByteArray::fromStdString(bytes), problem);
}

bool CopyFolderTree(const std::string& folder, const std::string& base, const std::string& target,
                    std::string* problem) {
  const QString hostFolder = HostPath::ToHost(folder);
  const QString hostBase = HostPath::ToHost(base);
  const QString hostTarget = HostPath::ToHost(target);
  if (hostFolder.isEmpty() || hostBase.isEmpty() || hostTarget.isEmpty())
    return Fail(problem, "cannot copy " + Cp1251ToUtf8(folder) + " to " + Cp1251ToUtf8(target));
  const QDir baseDir(hostBase);
  bool copied = true;
  QDirIterator it(hostFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString to = QDir(hostTarget).filePath(baseDir.relativeFilePath(from));
    QFile file(from);
    if (!file.open(QIODevice::ReadOnly)) {
      copied = Fail(problem, "cannot read " + from.toStdString() + ": " + file.errorString().toStdString());
      continue;
    }
    if (!WriteReplacing(to, file.readAll(), problem)) copied = false;
  }
  return copied;
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
