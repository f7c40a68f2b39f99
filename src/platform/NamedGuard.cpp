#include "platform/NamedGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

QString TNamedGuard::LockFolder() {
  // Asking for the runtime folder when the session has none prints a warning each time.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
    return QDir::tempPath() + QStringLiteral("/skinbook-") + qEnvironmentVariable("USER", QStringLiteral("user"));
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/skinbook");
}

namespace {

// Any text can be a name, so files are named by its hash.
QString GuardFileFor(const std::string& name, const char* extension) {
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(name), QCryptographicHash::Sha1).toHex();
  return TNamedGuard::LockFolder() + QStringLiteral("/guard-") + QString::fromLatin1(hash) + QLatin1String(extension);
}

}  // namespace

QString TNamedGuard::LockFileFor(const std::string& name) { return GuardFileFor(name, ".lock"); }

QString TNamedGuard::SignalNameFor(const std::string& name) { return GuardFileFor(name, ".signal"); }

TNamedGuard::TNamedGuard(const std::string& name) {
  QDir().mkpath(LockFolder());
  QFile::setPermissions(LockFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  lock_ = std::make_unique<QLockFile>(LockFileFor(name));
  lock_->setStaleLockTime(0);  // only a dead holder makes the lock stale
}

TNamedGuard::~TNamedGuard() = default;

bool TNamedGuard::Acquire() { return lock_->isLocked() || lock_->tryLock(0); }

bool TNamedGuard::Held() const { return lock_->isLocked(); }
