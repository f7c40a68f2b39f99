#include "platform/ui/Shell.h"

#include "platform/Cp1251.h"
#include "platform/HostPath.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace Shell {

bool Open(const std::string& target, const std::string& parameters, const std::string& folder) {
  const QString text = FromCp1251(target);
  const QUrl url(text);
  if (url.isValid() && url.scheme().size() > 1 && !text.contains(QStringLiteral(":\\")))
    return QDesktopServices::openUrl(url);

  const QString host = HostPath::ToHost(target);
  if (host.isEmpty() || !QFileInfo::exists(host)) return false;
  const QString workingFolder = folder.empty() ? QFileInfo(host).path() : HostPath::ToHost(folder);
  if (QFileInfo(host).isExecutable() && !QFileInfo(host).isDir())
    return QProcess::startDetached(host, QProcess::splitCommand(FromCp1251(parameters)), workingFolder);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(host));
}

}  // namespace Shell
