#include "platform/NamedGuard.h"

#include "platform/RuntimeFolder.h"

#include <QCryptographicHash>
#include <QLockFile>

QString TNamedGuard::LockFolder() { return RuntimeFolder(); }

// Any text can be a name, so files are named by its hash.
QString TNamedGuard::LockFileFor(const std::string& name) {
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(name), QCryptographicHash::Sha1).toHex();
  return LockFolder() + QStringLiteral("/guard-") + QString::fromLatin1(hash) + QStringLiteral(".lock");
}

TNamedGuard::TNamedGuard(const std::string& name) {
  MakePrivateFolder(LockFolder());
  lock_ = std::make_unique<QLockFile>(LockFileFor(name));
  lock_->setStaleLockTime(0);  // only a dead holder makes the lock stale
}

TNamedGuard::~TNamedGuard() = default;

bool TNamedGuard::Acquire() { return lock_->isLocked() || lock_->tryLock(0); }

bool TNamedGuard::Held() const { return lock_->isLocked(); }
