#include "platform/RuntimeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QString RuntimeFolder() {
  // Asking for the runtime folder when the session has none prints a warning each time.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
    return QDir::tempPath() + QStringLiteral("/skinbook-") + qEnvironmentVariable("USER", QStringLiteral("user"));
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/skinbook");
}

bool MakePrivateFolder(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  const QFileInfo info(folder);
  if (!info.isDir()) return false;
#ifdef Q_OS_UNIX
  if (info.ownerId() != ::getuid()) return false;
#endif
  const QFile::Permissions others =
      QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
  if (!(info.permissions() & others)) return true;
  return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
