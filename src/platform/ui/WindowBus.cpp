#include "platform/ui/WindowBus.h"

#include "platform/Globals.h"
#include "platform/RuntimeFolder.h"

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSaveFile>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtEndian>
#include <algorithm>
#include <climits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {

// Messages the bus carries out itself.
constexpr quint32 kShowNormal = 0x7FFF0001;
constexpr quint32 kForeground = 0x7FFF0002;

constexpr const char* kActivatedProperty = "windowBusActivated";

// Frames on a connection: a 32-bit size, then the type, the serial, the window number, the
// message (number, WParam, data code, data) or, in a reply, the answer. Little-endian.
enum class TFrameType : quint8 { Send = 1, Post = 2, Reply = 3 };
constexpr int kHeaderSize = 4;
constexpr int kFixedSize = 1 + 4 + 4 + 4 + 8 + 4 + 4;
constexpr int kMaxFrameSize = 64 * 1024;
constexpr qint64 kMaxAnnouncementSize = 256 * 1024;

struct TFrame {
  TFrameType type = TFrameType::Post;
  quint32 serial = 0;
  quint32 window = 0;
  TBusMessage message;
  qint64 result = 0;  // Reply: in the place of the message number and WParam
};

template <typename T>
void Put(QByteArray& bytes, T value) {
  const T le = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

template <typename T>
T Get(const char* at) {
  return qFromLittleEndian<T>(at);
}

QByteArray EncodeFrame(const TFrame& frame) {
  QByteArray body;
  Put<quint8>(body, static_cast<quint8>(frame.type));
  Put<quint32>(body, frame.serial);
  Put<quint32>(body, frame.window);
  if (frame.type == TFrameType::Reply) {
    Put<quint32>(body, 0);
    Put<qint64>(body, frame.result);
  } else {
    Put<quint32>(body, frame.message.number);
    Put<quint64>(body, frame.message.wParam);
  }
  Put<quint32>(body, frame.message.dataCode);
  Put<quint32>(body, static_cast<quint32>(frame.message.data.size()));
  body.append(frame.message.data);
  QByteArray bytes;
  Put<quint32>(bytes, static_cast<quint32>(body.size()));
  return bytes + body;
}

enum class TTake { Frame, Incomplete, Invalid };

// Takes the first frame off `buffer`.
TTake TakeFrame(QByteArray& buffer, TFrame& frame) {
  if (buffer.size() < kHeaderSize) return TTake::Incomplete;
  const quint32 size = Get<quint32>(buffer.constData());
  if (size < kFixedSize || size > kMaxFrameSize) return TTake::Invalid;
  if (buffer.size() < kHeaderSize + static_cast<qsizetype>(size)) return TTake::Incomplete;
  const char* at = buffer.constData() + kHeaderSize;
  const quint8 type = Get<quint8>(at);
  if (type < 1 || type > 3) return TTake::Invalid;
  frame.type = static_cast<TFrameType>(type);
  frame.serial = Get<quint32>(at + 1);
  frame.window = Get<quint32>(at + 5);
  if (frame.type == TFrameType::Reply) {
    frame.result = Get<qint64>(at + 13);
  } else {
    frame.message.number = Get<quint32>(at + 9);
    frame.message.wParam = Get<quint64>(at + 13);
  }
  frame.message.dataCode = Get<quint32>(at + 21);
  const quint32 dataSize = Get<quint32>(at + 25);
  if (dataSize != size - kFixedSize) return TTake::Invalid;
  frame.message.data = QByteArray(at + kFixedSize, dataSize);
  buffer.remove(0, kHeaderSize + size);
  return TTake::Frame;
}

qint64 Now() { return QDateTime::currentMSecsSinceEpoch(); }

// When the process started, as the system counts it; empty where that cannot be read. With
// the process id it tells a process from a later one that got the same id.
QString ProcessStartTime(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return {};
  const QByteArray text = stat.read(4096);
  const qsizetype nameEnd = text.lastIndexOf(')');
  if (nameEnd < 0) return {};
  // Fields after the name start with the third; the start time is the 22nd.
  const QList<QByteArray> fields = text.mid(nameEnd + 2).split(' ');
  return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
}

bool ProcessAlive(qint64 pid, const QString& startTime) {
  if (pid <= 0 || pid > INT_MAX) return false;
#ifdef Q_OS_UNIX
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
#endif
  const QString now = ProcessStartTime(pid);
  return startTime.isEmpty() || now.isEmpty() || now == startTime;
}

bool Announced(const QWidget* w) {
  if (!w->isWindow() || w->windowTitle().isEmpty()) return false;
  const Qt::WindowType type = w->windowType();
  return type == Qt::Window || type == Qt::Dialog;
}

TWindowHandle MakeHandle(qint64 pid, quint32 number) { return (static_cast<quint64>(pid) << 32) | number; }

}  // namespace

struct TWindowBus::TPeer {
  QPointer<QLocalSocket> socket;
  QByteArray buffer;
  bool busy = false;
};

TWindowBus::TWindowBus() : pid_(QCoreApplication::applicationPid()) {
  startTime_ = ProcessStartTime(pid_);
  if (qApp) qApp->installEventFilter(this);
}

TWindowBus::~TWindowBus() {
  if (QCoreApplication::instance()) qApp->removeEventFilter(this);
  if (!server_) return;
  server_->close();
  QFile::remove(AnnouncementFile(pid_));
}

QString TWindowBus::AnnouncementFile(qint64 pid) const { return folder_ + QStringLiteral("/win-%1.json").arg(pid); }

QString TWindowBus::SocketFile(qint64 pid) const { return folder_ + QStringLiteral("/bus-%1").arg(pid); }

bool TWindowBus::Start(const QString& folder) {
  if (server_) return true;
  // Whoever may change the folder above could swap the bus folder for one of their own.
  if (!MakePrivateFolder(QFileInfo(folder).path()) || !MakePrivateFolder(folder)) return false;
  folder_ = folder;
  auto* server = new QLocalServer(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket of this process id is left from a process that is gone.
  QLocalServer::removeServer(SocketFile(pid_));
  if (!server->listen(SocketFile(pid_))) {
    delete server;
    folder_.clear();
    return false;
  }
  server_ = server;
  connect(server_, &QLocalServer::newConnection, this, &TWindowBus::AcceptConnections);
  Announce();
  return true;
}

void TWindowBus::SetGroup(const QString& group) {
  group_ = group;
  ScheduleAnnounce();
}

TWindowHandle TWindowBus::HandleOf(QWidget* window) {
  if (!window) return 0;
  for (auto it = windows_.begin(); it != windows_.end();) {
    if (it->second.widget == window) return MakeHandle(pid_, it->first);
    it = it->second.widget ? std::next(it) : windows_.erase(it);
  }
  const quint32 number = nextNumber_++;
  windows_[number].widget = window;
  return MakeHandle(pid_, number);
}

QWidget* TWindowBus::LocalWindow(TWindowHandle handle) const {
  if (ProcessOf(handle) != pid_) return nullptr;
  const auto it = windows_.find(static_cast<quint32>(handle));
  return it == windows_.end() ? nullptr : it->second.widget.data();
}

void TWindowBus::SetHandler(QWidget* window, THandler handler) {
  const TWindowHandle handle = HandleOf(window);
  windows_[static_cast<quint32>(handle)].handler = std::move(handler);
}

bool TWindowBus::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::Hide:
    case QEvent::WindowTitleChange: break;
    default: return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !widget->isWindow()) return false;
  if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
    widget->setProperty(kActivatedProperty, Now());
  if (Announced(widget)) HandleOf(widget);
  ScheduleAnnounce();
  return false;
}

std::vector<TBusWindow> TWindowBus::LocalWindows() {
  std::vector<TBusWindow> list;
  const QWidget* active = QApplication::activeWindow();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!Announced(w)) continue;
    TBusWindow window;
    window.handle = HandleOf(w);
    window.pid = pid_;
    window.caption = w->windowTitle();
    window.group = group_;
    window.visible = w->isVisible();
    window.activated = w == active ? Now() : w->property(kActivatedProperty).toLongLong();
    list.push_back(window);
  }
  return list;
}

void TWindowBus::ScheduleAnnounce() {
  if (!server_ || announcePending_) return;
  announcePending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (announcePending_) Announce();
  });
}

void TWindowBus::Announce() {
  announcePending_ = false;
  if (!server_) return;
  QJsonArray windows;
  for (const TBusWindow& w : LocalWindows())
    windows.append(QJsonObject{{"number", static_cast<qint64>(static_cast<quint32>(w.handle))},
                               {"caption", w.caption},
                               {"visible", w.visible},
                               {"activated", w.activated}});
  const QJsonObject announcement{{"pid", pid_}, {"started", startTime_}, {"group", group_}, {"windows", windows}};
  QSaveFile file(AnnouncementFile(pid_));
  if (file.open(QIODevice::WriteOnly)) {
    file.write(QJsonDocument(announcement).toJson(QJsonDocument::Compact));
    file.commit();
  }
}

void TWindowBus::Forget(qint64 pid) {
  QFile::remove(AnnouncementFile(pid));
  QLocalServer::removeServer(SocketFile(pid));
}

std::vector<TBusWindow> TWindowBus::RemoteWindows() {
  std::vector<TBusWindow> list;
  if (!server_) return list;
  const QStringList files = QDir(folder_).entryList({QStringLiteral("win-*.json")}, QDir::Files);
  for (const QString& name : files) {
    bool numeric = false;
    const qint64 pid = name.mid(4, name.size() - 9).toLongLong(&numeric);
    if (!numeric || pid == pid_) continue;
    QFile file(QDir(folder_).filePath(name));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAnnouncementSize) continue;
    const QJsonObject announcement = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    if (announcement["pid"].toInteger() != pid) continue;
    if (!ProcessAlive(pid, announcement["started"].toString())) {
      Forget(pid);
      continue;
    }
    for (const QJsonValue& value : announcement["windows"].toArray()) {
      const QJsonObject w = value.toObject();
      const qint64 number = w["number"].toInteger();
      if (number <= 0 || number > UINT_MAX) continue;
      list.push_back({MakeHandle(pid, static_cast<quint32>(number)), pid, w["caption"].toString(),
                      announcement["group"].toString(), w["visible"].toBool(), w["activated"].toInteger()});
    }
  }
  return list;
}

std::vector<TBusWindow> TWindowBus::TopWindows() {
  std::vector<TBusWindow> list = LocalWindows();
  const std::vector<TBusWindow> remote = RemoteWindows();
  list.insert(list.end(), remote.begin(), remote.end());
  std::stable_sort(list.begin(), list.end(),
                   [](const TBusWindow& a, const TBusWindow& b) { return a.activated > b.activated; });
  return list;
}

std::optional<qint64> TWindowBus::Deliver(quint32 number, const TBusMessage& message) {
  const auto it = windows_.find(number);
  if (it == windows_.end() || !it->second.widget) return std::nullopt;
  const QPointer<QWidget> window = it->second.widget;
  const THandler handler = it->second.handler;  // a handler may replace itself
  if (message.number == kShowNormal) {
    window->showNormal();
    return 1;
  }
  if (message.number == kForeground) {
    window->raise();
    window->activateWindow();
    window->setProperty(kActivatedProperty, Now());
    ScheduleAnnounce();
    return 1;
  }
  std::optional<qint64> result;
  try {
    if (handler) result = handler(message);
  } catch (...) {
    // Handlers report their own failures; nothing may unwind into the socket's signal.
    result = 0;
  }
  if (!result) {
    if (message.number == WM_CLOSE && window) window->close();
    result = 0;
  }
  return result;
}

std::optional<qint64> TWindowBus::Transmit(TWindowHandle to, const TBusMessage& message, bool wait, int timeoutMs) {
  const qint64 pid = ProcessOf(to);
  const quint32 number = static_cast<quint32>(to);
  if (pid == pid_) {
    if (wait) return Deliver(number, message);
    if (windows_.find(number) == windows_.end()) return std::nullopt;
    QTimer::singleShot(0, this, [this, number, message] { Deliver(number, message); });
    return 0;
  }
  if (!server_ || pid <= 0 || pid > INT_MAX) return std::nullopt;

  QDeadlineTimer deadline(std::max(timeoutMs, 0));
  QLocalSocket socket;
  socket.connectToServer(SocketFile(pid));
  if (!socket.waitForConnected(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)))) {
    if (!ProcessAlive(pid, {})) Forget(pid);
    return std::nullopt;
  }
  TFrame frame;
  frame.type = wait ? TFrameType::Send : TFrameType::Post;
  frame.serial = nextSerial_++;
  frame.window = number;
  frame.message = message;
  socket.write(EncodeFrame(frame));
  socket.flush();
  if (!wait) {
    socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
    const bool written = socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    return written ? std::optional<qint64>(0) : std::nullopt;
  }

  QByteArray buffer;
  while (!deadline.hasExpired()) {
    if (socket.bytesAvailable() > 0 || socket.waitForReadyRead(2)) {
      buffer += socket.readAll();
      TFrame reply;
      const TTake take = TakeFrame(buffer, reply);
      if (take == TTake::Invalid) return std::nullopt;
      if (take == TTake::Frame && reply.type == TFrameType::Reply && reply.serial == frame.serial) return reply.result;
    } else if (socket.state() != QLocalSocket::ConnectedState) {
      return std::nullopt;  // the window's process went without an answer
    }
    PumpIncoming(0);
  }
  return std::nullopt;
}

std::optional<qint64> TWindowBus::SendMessage(TWindowHandle to, const TBusMessage& message, int timeoutMs) {
  return Transmit(to, message, true, timeoutMs);
}

bool TWindowBus::PostMessage(TWindowHandle to, const TBusMessage& message) {
  return Transmit(to, message, false, kSendTimeoutMs).has_value();
}

bool TWindowBus::ShowNormal(TWindowHandle window) { return PostMessage(window, {kShowNormal, 0, 0, {}}); }

bool TWindowBus::SetForegroundWindow(TWindowHandle window) { return PostMessage(window, {kForeground, 0, 0, {}}); }

void TWindowBus::Pause(int ms) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    const int slice = static_cast<int>(std::min<qint64>(deadline.remainingTime(), 5));
    if (server_)
      PumpIncoming(slice);
    else
      QThread::msleep(static_cast<unsigned long>(slice));
  }
}

void TWindowBus::AcceptConnections() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    auto peer = std::make_shared<TPeer>();
    peer->socket = socket;
    peers_[socket] = peer;
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadPeer(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { ReadPeer(socket); });
    ReadPeer(socket);
  }
}

// Handles every whole frame that has arrived: a sent message is answered on its connection,
// a posted one waits for the event loop. A connection that sends something else is dropped.
void TWindowBus::ReadPeer(QLocalSocket* socket) {
  const auto it = peers_.find(socket);
  if (it == peers_.end()) return;
  const std::shared_ptr<TPeer> peer = it->second;
  if (peer->busy) return;
  peer->busy = true;
  bool drop = false;
  while (peer->socket && !drop) {
    peer->buffer += peer->socket->readAll();
    TFrame frame;
    const TTake take = TakeFrame(peer->buffer, frame);
    if (take == TTake::Incomplete) break;
    if (take == TTake::Invalid || frame.type == TFrameType::Reply) {
      drop = true;
      break;
    }
    if (frame.type == TFrameType::Post) {
      QTimer::singleShot(0, this, [this, frame] { Deliver(frame.window, frame.message); });
      continue;
    }
    TFrame reply;
    reply.type = TFrameType::Reply;
    reply.serial = frame.serial;
    reply.window = frame.window;
    reply.result = Deliver(frame.window, frame.message).value_or(0);
    if (announcePending_) Announce();
    if (peer->socket && peer->socket->state() == QLocalSocket::ConnectedState) {
      peer->socket->write(EncodeFrame(reply));
      peer->socket->flush();
    }
  }
  peer->busy = false;
  const bool gone = !peer->socket || peer->socket->state() == QLocalSocket::UnconnectedState;
  if (drop || gone) {
    peers_.erase(socket);
    if (peer->socket) {
      peer->socket->disconnect(this);
      peer->socket->abort();
      peer->socket->deleteLater();
    }
  }
}

void TWindowBus::PumpIncoming(int waitMs) {
  if (!server_) return;
  server_->waitForNewConnection(waitMs);
  std::vector<QLocalSocket*> sockets;
  for (const auto& [socket, peer] : peers_) sockets.push_back(socket);
  for (QLocalSocket* socket : sockets) {
    const auto it = peers_.find(socket);
    if (it == peers_.end() || !it->second->socket || it->second->busy) continue;
    if (socket->bytesAvailable() == 0) socket->waitForReadyRead(0);
    ReadPeer(socket);
  }
}

TWindowBus& WindowBus() {
  if (!Global.Bus) Global.Bus = std::make_shared<TWindowBus>();
  return *Global.Bus;
}

QString DefaultBusFolder() { return RuntimeFolder() + QStringLiteral("/bus"); }
