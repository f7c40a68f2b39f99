#include "app/Errors.h"

#include "platform/HostPath.h"

#include <QFileInfo>

std::string HostNameForMessage(const std::string& windowsName) {
  const QString host = HostPath::ToHost(windowsName);
  return host.isEmpty() ? Cp1251ToUtf8(windowsName) : host.toStdString();
}

std::string FileProblem(const QString& host) {
  if (host.isEmpty()) return "its drive has no folder on this computer";
  const QFileInfo info(host);
  if (!info.exists()) return "it does not exist";
  if (info.isDir()) return "it is a folder";
  if (!info.isReadable()) return "it is not readable";
  return "it cannot be read";
}
