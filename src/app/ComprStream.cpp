#include "app/ComprStream.h"

#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The name below the pack's root, as the book's descriptions write it.
std::string NameInPack(const std::string& fileName) {
  if (NameLower(fileName).starts_with(NameLower(Global.PackRoot))) return fileName.substr(Global.PackRoot.size());
  return fileName;
}

}  // namespace

std::string ShownFileName(const std::string& fileName) {
  if (PackFind(fileName) >= 0)
    return "\"" + Cp1251ToUtf8(NameInPack(fileName)) + "\" in the resource pack " + PackHostName().toStdString();
  return HostNameForMessage(fileName);
}

// Sharing modes mean nothing to the host's files; both modes read the same way.
TComprStream::TComprStream(const std::string& fileName, Mode) {
  const int entry = PackFind(fileName);
  if (entry >= 0) {
    // The pack's copy wins; a damaged copy must not be replaced by a disk file unnoticed.
    if (PackExtract(entry, *this) != 0) throw EFOpenError(fileName, ShownFileName(fileName), "it is damaged");
    return;
  }
  const QString host = HostPath::ToHost(fileName);
  QFile file(host);
  if (host.isEmpty() || QFileInfo(host).isDir() || !file.open(QIODevice::ReadOnly))
    throw EFOpenError(fileName, HostNameForMessage(fileName), FileProblem(host));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EFOpenError(fileName, HostNameForMessage(fileName), "it cannot be read: " + file.errorString().toStdString());
  Data().assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  SetPosition(0);
}
