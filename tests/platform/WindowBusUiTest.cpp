// The window bus within this process, and against announcements and sockets of processes
// that are gone or never answer. Real programs talking over it: tests/windows/.

#include "platform/ui/TopWindows.h"
#include "platform/ui/WindowBus.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/FakeBusPeer.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QWidget>
#include <QtEndian>

namespace {

class WindowBus : public ::testing::Test {
 protected:
  TWindowBus& Bus() { return ::WindowBus(); }
  void Serve() {
    folder_ = dir_.Path() + QStringLiteral("/bus");
    ASSERT_TRUE(Bus().Start(folder_));
    Bus().SetGroup(QStringLiteral("Книга"));
  }
  QJsonObject Announcement() const {
    QFile file(QStringLiteral("%1/win-%2.json").arg(folder_).arg(QCoreApplication::applicationPid()));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
  }

  TSavedGlobals saved_;  // the bus of each test goes with it
  TempDir dir_;
  QString folder_;
};

TEST_F(WindowBus, FindsThisProcesssWindowsByCaption) {
  QWidget a, b, hidden, untitled;
  a.setWindowTitle(QStringLiteral("Окно А"));
  b.setWindowTitle(QStringLiteral("ОКНО а"));
  hidden.setWindowTitle(QStringLiteral("Окно А"));
  a.show();
  ProcessEventsFor(5);
  b.show();
  untitled.show();
  b.activateWindow();
  ProcessEventsFor(5);

  const auto found = FindTopWindowsByTitle(QStringLiteral("окно а"));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(Bus().LocalWindow(found[0].handle), &b) << "the window activated last comes first";
  EXPECT_EQ(Bus().LocalWindow(found[1].handle), &a);
  EXPECT_EQ(FindTopWindowByTitle(QStringLiteral("окно б")), 0u);
  // The system's own search sees hidden windows too and compares the whole caption.
  hidden.setWindowTitle(QStringLiteral("Скрытое"));
  EXPECT_EQ(Bus().LocalWindow(FindWindowByTitle(QStringLiteral("СКРЫТОЕ"))), &hidden);
  EXPECT_EQ(FindTopWindowByTitle(QStringLiteral("Скрытое")), 0u);

  // Captions count up to 127 characters.
  a.setWindowTitle(QString(127, u'x') + QStringLiteral("1"));
  EXPECT_EQ(Bus().LocalWindow(FindTopWindowByTitle(QString(127, u'x') + QStringLiteral("2"))), &a);
  EXPECT_EQ(FindWindowByTitle(QString(127, u'x') + QStringLiteral("2")), 0u);
}

TEST_F(WindowBus, DeliversSentAndPostedMessagesToThisProcesssWindows) {
  QWidget a;
  a.setWindowTitle(QStringLiteral("Окно"));
  a.show();
  std::vector<quint32> got;
  Bus().SetHandler(&a, [&](const TBusMessage& m) -> std::optional<qint64> {
    got.push_back(m.number);
    if (m.number == 77) return static_cast<qint64>(m.wParam) + 1;
    return std::nullopt;
  });
  const TWindowHandle handle = Bus().HandleOf(&a);
  EXPECT_EQ(Bus().SendMessage(handle, {77, 41, 0, {}}), 42);
  EXPECT_EQ(Bus().SendMessage(handle, {78, 0, 0, {}}), 0);

  EXPECT_TRUE(Bus().PostMessage(handle, {79, 0, 0, {}}));
  EXPECT_EQ(got, (std::vector<quint32>{77, 78})) << "a posted message waits for the event loop";
  ProcessEventsUntil([&] { return got.size() == 3; }, 2000);
  EXPECT_EQ(got.back(), 79u);

  // A message the handler leaves: WM_CLOSE closes the window.
  EXPECT_EQ(Bus().SendMessage(handle, {WM_CLOSE, 0, 0, {}}), 0);
  EXPECT_FALSE(a.isVisible());
  // A window that is gone takes nothing.
  const TWindowHandle goneHandle = [&] {
    QWidget gone;
    return Bus().HandleOf(&gone);
  }();
  EXPECT_FALSE(Bus().SendMessage(goneHandle, {77, 0, 0, {}}));
}

TEST_F(WindowBus, AnnouncesItsWindowsInAFolderOfItsOwn) {
  Serve();
  EXPECT_EQ(QFileInfo(folder_).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QWidget a;
  a.setWindowTitle(QStringLiteral("Увеличенная картинка"));
  a.show();
  ProcessEventsUntil([&] { return !Announcement()["windows"].toArray().isEmpty(); }, 2000);
  const QJsonObject announcement = Announcement();
  EXPECT_EQ(announcement["group"].toString(), QStringLiteral("Книга"));
  const QJsonArray windows = announcement["windows"].toArray();
  ASSERT_EQ(windows.size(), 1);
  EXPECT_EQ(windows[0].toObject()["caption"].toString(), QStringLiteral("Увеличенная картинка"));
  EXPECT_TRUE(windows[0].toObject()["visible"].toBool());

  a.hide();
  ProcessEventsUntil([&] { return !Announcement()["windows"].toArray()[0].toObject()["visible"].toBool(); }, 2000);
  EXPECT_FALSE(Announcement()["windows"].toArray()[0].toObject()["visible"].toBool());

  Global.Bus.reset();
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("%1/win-%2.json").arg(folder_).arg(QCoreApplication::applicationPid())))
      << "the announcement goes with the bus";
}

TEST_F(WindowBus, AnnouncementsOfEndedProcessesAreIgnoredAndRemoved) {
  Serve();
  const qint64 ended = EndedProcessId();
  const QString file = QStringLiteral("%1/win-%2.json").arg(folder_).arg(ended);
  QFile announcement(file);
  ASSERT_TRUE(announcement.open(QIODevice::WriteOnly));
  announcement.write(R"({"pid":)" + QByteArray::number(ended) +
                     R"(,"windows":[{"number":1,"caption":"Тезаурус","visible":true}]})");
  announcement.close();
  // Damaged and foreign files are passed over.
  QFile(folder_ + QStringLiteral("/win-12x.json")).open(QIODevice::WriteOnly);
  QFile damaged(folder_ + QStringLiteral("/win-1.json"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("{\"pid\": 1, \"windows\": [");
  damaged.close();

  EXPECT_EQ(FindTopWindowByTitle(QStringLiteral("Тезаурус")), 0u);
  EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(WindowBus, APeerThatNeverAnswersCostsTheWaitOnly) {
  Serve();
  const TFakeBusPeer peer(folder_, QStringLiteral("Увеличенная картинка"), QStringLiteral("Книга"));
  const auto found = FindTopWindowsByTitle(QStringLiteral("Увеличенная картинка"));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].pid, peer.Pid());
  EXPECT_EQ(found[0].group, QStringLiteral("Книга"));

  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(Bus().SendMessage(peer.Handle(), {WM_CLOSE, 0, 0, {}}, 300));
  EXPECT_GE(timer.elapsed(), 250);
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_TRUE(Bus().PostMessage(peer.Handle(), {1226, 0, 0, {}})) << "a post does not wait for the window";

  // A live process without a socket is no peer; its announcement stays.
  QFile::remove(QStringLiteral("%1/bus-%2").arg(folder_).arg(peer.Pid()));
  timer.restart();
  EXPECT_FALSE(Bus().SendMessage(peer.Handle(), {WM_CLOSE, 0, 0, {}}, 5000));
  EXPECT_LT(timer.elapsed(), 2000);
}

// Frames as another process writes them: size, type, serial, window, message, WParam, data
// code, data size, data.
QByteArray Frame(quint8 type, quint32 window, quint32 number, const QByteArray& data = {}) {
  QByteArray body;
  auto put = [&body](auto value) {
    const auto le = qToLittleEndian(value);
    body.append(reinterpret_cast<const char*>(&le), sizeof le);
  };
  put(type);
  put(quint32(7));
  put(window);
  put(number);
  put(quint64(5));
  put(quint32(0));
  put(quint32(data.size()));
  body += data;
  QByteArray frame;
  const quint32 size = qToLittleEndian(quint32(body.size()));
  frame.append(reinterpret_cast<const char*>(&size), 4);
  return frame + body;
}

TEST_F(WindowBus, ConnectionsThatSendNonsenseAreDropped) {
  Serve();
  QWidget a;
  a.setWindowTitle(QStringLiteral("Окно"));
  std::vector<quint32> got;
  Bus().SetHandler(&a, [&](const TBusMessage& m) -> std::optional<qint64> {
    got.push_back(m.number);
    return 9;
  });
  const quint32 number = static_cast<quint32>(Bus().HandleOf(&a));
  const QString socketName = QStringLiteral("%1/bus-%2").arg(folder_).arg(QCoreApplication::applicationPid());

  for (const QByteArray& junk :
       {QByteArray("\xff\xff\xff\xff garbage"), QByteArray(3, '\0'), Frame(3, number, 1), Frame(9, number, 1)}) {
    QLocalSocket socket;
    socket.connectToServer(socketName);
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write(junk);
    socket.flush();
    ProcessEventsUntil([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 300);
  }
  EXPECT_TRUE(got.empty());

  QLocalSocket socket;
  socket.connectToServer(socketName);
  ASSERT_TRUE(socket.waitForConnected(2000));
  socket.write(Frame(1, number, 4242));
  socket.flush();
  QByteArray reply;
  ProcessEventsUntil(
      [&] {
        reply += socket.readAll();
        return reply.size() >= 33;
      },
      2000);
  EXPECT_EQ(got, std::vector<quint32>{4242});
  ASSERT_EQ(reply.size(), 33);
  EXPECT_EQ(qFromLittleEndian<qint64>(reply.constData() + 4 + 13), 9);
}

}  // namespace
