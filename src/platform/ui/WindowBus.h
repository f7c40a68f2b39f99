#pragma once
// The top-level windows of every process of the program, found by caption, and messages
// between them: what Windows gives with EnumWindows, SendMessage, PostMessage and
// WM_COPYDATA. The host keeps no shared list of windows (Wayland in particular), so each
// process announces its titled top-level windows (caption, visibility, last activation) in a
// file of a private runtime folder (mode 0700) and serves a local socket there. Announcements
// of processes that are gone are ignored and removed.
//
// A process that has not started the bus still finds and messages its own windows.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLocalServer;
class QLocalSocket;
class QWidget;

// A window of any process: the process id in the high 32 bits, the window's number in its
// process in the low 32 bits. 0 is no window.
using TWindowHandle = quint64;

constexpr quint32 WM_CLOSE = 0x0010;
constexpr quint32 WM_COPYDATA = 0x004A;

struct TBusMessage {
  quint32 number = 0;
  quint64 wParam = 0;
  quint32 dataCode = 0;  // WM_COPYDATA: the value its header carries
  QByteArray data;       // WM_COPYDATA: the bytes
};

struct TBusWindow {
  TWindowHandle handle = 0;
  qint64 pid = 0;
  QString caption;
  QString group;  // what its process said it serves (the book); empty when it said nothing
  bool visible = false;
  qint64 activated = 0;  // when it was last shown or activated, ms since the epoch
};

class TWindowBus : public QObject {
  Q_OBJECT
 public:
  // Returns the answer; nothing leaves the message to the bus: WM_CLOSE closes the window,
  // any other message is answered 0.
  using THandler = std::function<std::optional<qint64>(const TBusMessage&)>;

  // How long a message sent to another process may take by default.
  static constexpr int kSendTimeoutMs = 500;

  TWindowBus();
  ~TWindowBus() override;  // withdraws the announcement

  // Announces this process's windows in `folder` and serves its socket there. False when the
  // folder or the one above it cannot be made private to the user (the bus then stays one of
  // this process alone).
  bool Start(const QString& folder);
  bool Serving() const { return server_ != nullptr; }
  const QString& Folder() const { return folder_; }
  void SetGroup(const QString& group);
  const QString& Group() const { return group_; }

  TWindowHandle HandleOf(QWidget* window);
  // The window of this process behind `handle`; nullptr for another process's.
  QWidget* LocalWindow(TWindowHandle handle) const;
  static qint64 ProcessOf(TWindowHandle handle) { return static_cast<qint64>(handle >> 32); }
  // Messages to `window` go to `handler` from now on.
  void SetHandler(QWidget* window, THandler handler);

  // The titled top-level windows of every process, most recently activated first.
  std::vector<TBusWindow> TopWindows();

  // Delivers `message` and waits for the answer, handling the messages other processes send
  // to this one meanwhile (posted ones wait). Nothing when the window is gone or its process
  // does not answer within `timeoutMs`.
  std::optional<qint64> SendMessage(TWindowHandle to, const TBusMessage& message, int timeoutMs = kSendTimeoutMs);
  // Queues `message` for the window and returns at once; false when it cannot be delivered.
  bool PostMessage(TWindowHandle to, const TBusMessage& message);
  // Restores the window from minimised or maximised and shows it.
  bool ShowNormal(TWindowHandle window);
  // Raises and activates the window.
  bool SetForegroundWindow(TWindowHandle window);
  // Sleeps `ms` on this thread, handling the messages other processes send meanwhile.
  void Pause(int ms);

  // Writes this process's announcement now (it is otherwise written once the events that
  // change it have been handled).
  void Announce();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TLocal {
    QPointer<QWidget> widget;
    THandler handler;
  };
  struct TPeer;

  std::optional<qint64> Deliver(quint32 number, const TBusMessage& message);
  std::optional<qint64> Transmit(TWindowHandle to, const TBusMessage& message, bool wait, int timeoutMs);
  std::vector<TBusWindow> LocalWindows();
  std::vector<TBusWindow> RemoteWindows();
  void Forget(qint64 pid);
  void ScheduleAnnounce();
  void AcceptConnections();
  void ReadPeer(QLocalSocket* socket);
  void PumpIncoming(int waitMs);
  QString AnnouncementFile(qint64 pid) const;
  QString SocketFile(qint64 pid) const;

  qint64 pid_;
  QString startTime_;
  QString folder_;
  QString group_;
  QLocalServer* server_ = nullptr;
  std::map<QLocalSocket*, std::shared_ptr<TPeer>> peers_;
  std::map<quint32, TLocal> windows_;
  quint32 nextNumber_ = 1;
  quint32 nextSerial_ = 1;
  bool announcePending_ = false;
};

// This process's bus (`Global.Bus`), made on first use.
TWindowBus& WindowBus();
// Where the program's processes meet: the "bus" folder of the runtime folder.
QString DefaultBusFolder();
