#include "platform/ui/GuardSignal.h"

#include "platform/NamedGuard.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kSendTimeoutMs = 2000;

}  // namespace

TGuardSignal::TGuardSignal(const std::string& name, std::function<void()> onSignal)
    : server_(new QLocalServer(this)), onSignal_(std::move(onSignal)) {
  const QString socketName = TNamedGuard::SignalNameFor(name);
  // Whoever held the guard before us is gone, and so is any use of its socket.
  QLocalServer::removeServer(socketName);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->listen(socketName);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      socket->disconnectFromServer();
      socket->deleteLater();
      onSignal_();
    }
  });
}

bool TGuardSignal::Send(const std::string& name) {
  QLocalSocket socket;
  socket.connectToServer(TNamedGuard::SignalNameFor(name));
  if (!socket.waitForConnected(kSendTimeoutMs)) return false;
  socket.disconnectFromServer();
  return true;
}
