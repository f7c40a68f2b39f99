// The program's processes on the sample book talking over the window bus, with this test
// process on the same bus: picture windows, messages to the main window, and the main
// window's exit that closes the book's other windows. Every process started here ends
// before the test does.

#include "app/ui/OtherInstances.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/TopWindows.h"
#include "platform/ui/WindowBus.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "support/ui/BookFixture.h"
#include "support/ui/EventLoopWait.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QWidget>
#include <deque>

namespace {

using namespace OtherInstances;

constexpr int kStartTimeoutMs = 30000;
constexpr int kAnswerTimeoutMs = 5000;

TInstanceMessage Query(const std::string& file, uint32_t code = 0) {
  TInstanceMessage query = TInstanceMessage::Make(TInstanceKind::PictureQuery, file);
  query.Codes[0] = code;
  return query;
}

class Instances : public ::testing::Test {
 protected:
  void SetUp() override {
    runtime_ = dir_.MakeFolder(QStringLiteral("runtime"));
    QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("QT_QPA_PLATFORM", "offscreen");
    env_.insert("XDG_CONFIG_HOME", dir_.MakeFolder(QStringLiteral("config")));
    env_.insert("XDG_DATA_HOME", dir_.MakeFolder(QStringLiteral("data")));
    env_.insert("XDG_RUNTIME_DIR", runtime_);
    ASSERT_TRUE(WindowBus().Start(runtime_ + QStringLiteral("/skinbook/bus")));
    me_.setWindowTitle(QStringLiteral("Тест"));
    WindowBus().SetHandler(&me_, [this](const TBusMessage& m) -> std::optional<qint64> {
      got_.push_back(m);
      if (m.number == InstanceMessages::QueryAnswer) {
        Global.PictureAnswerReceived = true;
        Global.PictureAnswerYes = m.wParam == 1;
      }
      return 0;
    });
  }

  void TearDown() override {
    for (const auto& process : processes_) {
      if (process->state() == QProcess::NotRunning) continue;
      ADD_FAILURE() << "a program was left running: " << process->arguments().join(' ').toStdString();
      process->kill();
      process->waitForFinished();
    }
  }

  QProcess& Start(const QStringList& arguments, const QString& book = QStringLiteral(SKINBOOK_SAMPLE_BOOK)) {
    auto& process = processes_.emplace_back(std::make_unique<QProcess>());
    process->setProcessEnvironment(env_);
    process->start(SKINBOOK_PROGRAM, QStringList{"--book", book} + arguments);
    EXPECT_TRUE(process->waitForStarted());
    return *process;
  }

  // The first visible window of the process with that caption; when empty, any window but the
  // start clip, which plays before the main window shows.
  TWindowHandle AwaitWindow(const QProcess& process, const QString& caption = {}) {
    TWindowHandle found = 0;
    ProcessEventsUntil(
        [&] {
          for (const TBusWindow& w : WindowBus().TopWindows())
            if (w.pid == process.processId() && w.visible &&
                (caption.isEmpty() ? w.caption != QStringLiteral("StartClip") : w.caption == caption)) {
              found = w.handle;
              WindowBus().SetGroup(w.group);
              return true;
            }
          return false;
        },
        kStartTimeoutMs);
    return found;
  }

  bool AwaitEnd(const QProcess& process, int timeoutMs = 20000) {
    return ProcessEventsUntil([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
  }

  // What the window answers to the picture query.
  std::optional<quint64> Ask(TWindowHandle window, const TInstanceMessage& query) {
    got_.clear();
    SendCopyDataToWindow(window, query, &me_, kAnswerTimeoutMs);
    for (const TBusMessage& m : got_)
      if (m.number == InstanceMessages::QueryAnswer) return m.wParam;
    return std::nullopt;
  }

  size_t Received(quint32 number) const {
    return static_cast<size_t>(
        std::count_if(got_.begin(), got_.end(), [number](const TBusMessage& m) { return m.number == number; }));
  }

  QJsonObject ReadJson(const QString& name) const {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
  }

  QString Script(const QStringList& lines) const {
    return dir_.Write(QStringLiteral("script.txt"), lines.join(u'\n').toUtf8());
  }

  TSavedGlobals saved_;
  TempDir dir_;
  QString runtime_;
  QProcessEnvironment env_;
  QWidget me_;  // this process's window on the bus: the sender of requests
  std::vector<TBusMessage> got_;
  std::deque<std::unique_ptr<QProcess>> processes_;
};

TEST_F(Instances, TwoPictureWindowsEachAnswerForTheirOwnFileOnly) {
  QProcess& battery = Start({"d:\\man\\battery_big.bmp"});
  QProcess& scheme = Start({"d:\\man\\scheme.bmp"});
  const TWindowHandle batteryWindow = AwaitWindow(battery, kPictureCaption);
  const TWindowHandle schemeWindow = AwaitWindow(scheme, kPictureCaption);
  ASSERT_TRUE(batteryWindow && schemeWindow);

  EXPECT_EQ(Ask(batteryWindow, Query("d:\\man\\scheme.bmp")), 0u);
  EXPECT_EQ(Ask(schemeWindow, Query("d:\\man\\scheme.bmp")), 1u);
  EXPECT_EQ(Ask(batteryWindow, Query("d:\\man\\battery_big.bmp")), 1u);
  EXPECT_EQ(Ask(schemeWindow, Query("D:\\MAN\\SCHEME.BMP")), 0u) << "letter case counts";
  EXPECT_EQ(Ask(schemeWindow, Query("d:\\man\\scheme.bmp", 1)), 0u) << "only code 0 asks";

  // Showing the scheme again brings its window forward instead of starting a third.
  EXPECT_EQ(ShowInPictureWindow(&me_, "d:\\man\\scheme.bmp"), TPictureWindow::Raised);
  EXPECT_TRUE(ProcessEventsUntil(
      [&] {
        const auto windows = FindTopWindowsByTitle(kPictureCaption);
        return !windows.empty() && windows.front().handle == schemeWindow;
      },
      kAnswerTimeoutMs));
  EXPECT_EQ(FindTopWindowsByTitle(kPictureCaption).size(), 2u);

  for (const TWindowHandle window : {batteryWindow, schemeWindow})
    EXPECT_TRUE(WindowBus().SendMessage(window, {WM_CLOSE, 0, 0, {}}, kAnswerTimeoutMs));
  EXPECT_TRUE(AwaitEnd(battery));
  EXPECT_TRUE(AwaitEnd(scheme));
  EXPECT_EQ(battery.exitCode(), 0);
  EXPECT_EQ(scheme.exitCode(), 0);
}

TEST_F(Instances, StrayShortAndDamagedMessagesAreIgnored) {
  QProcess& picture = Start({"d:\\man\\battery_big.bmp"});
  const TWindowHandle window = AwaitWindow(picture, kPictureCaption);
  ASSERT_TRUE(window);
  TWindowBus& bus = WindowBus();
  const quint64 me = bus.HandleOf(&me_);
  TInstanceMessage otherKind = Query("d:\\man\\battery_big.bmp");
  otherKind.Kind = 9;
  const std::string other = otherKind.Encode();
  for (const QByteArray& data : {QByteArray(), QByteArray(100, 'x'), QByteArray(840, '\xff'),
                                 QByteArray(other.data(), static_cast<qsizetype>(other.size()))})
    bus.SendMessage(window, {WM_COPYDATA, me, 0, data}, kAnswerTimeoutMs);
  bus.SendMessage(window, {4242, me, 0, QByteArray("?")}, kAnswerTimeoutMs);
  // An answer for a window that does not exist goes nowhere.
  const std::string query = Query("d:\\man\\battery_big.bmp").Encode();
  bus.SendMessage(window, {WM_COPYDATA, (quint64(0x7ffffff0) << 32) | 5, 0, QByteArray::fromStdString(query)},
                  kAnswerTimeoutMs);
  // Bytes that are no frames at all.
  for (const QByteArray& junk : {QByteArray("\xff\xff\xff\xffjunk"), QByteArray("\x08\0\0\0\x01\0\0\0\0\0\0\0", 12)}) {
    QLocalSocket socket;
    socket.connectToServer(QStringLiteral("%1/skinbook/bus/bus-%2").arg(runtime_).arg(picture.processId()));
    ASSERT_TRUE(socket.waitForConnected(kAnswerTimeoutMs));
    socket.write(junk);
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    socket.waitForDisconnected(1000);
  }
  EXPECT_TRUE(got_.empty());

  EXPECT_EQ(picture.state(), QProcess::Running);
  EXPECT_EQ(Ask(window, Query("d:\\man\\battery_big.bmp")), 1u);
  bus.SendMessage(window, {WM_CLOSE, 0, 0, {}}, kAnswerTimeoutMs);
  EXPECT_TRUE(AwaitEnd(picture));
}

TEST_F(Instances, APageAlreadyShownIsNotLoadedAgainButStillAnswered) {
  const QString go = dir_.Path() + QStringLiteral("/go");
  const QString dump = dir_.Path() + QStringLiteral("/main.json");
  QProcess& main = Start({"--script", Script({"await file " + go, "dump " + dump, "close"})});
  const TWindowHandle window = AwaitWindow(main);
  ASSERT_TRUE(window);

  const auto open = [&](const char* page) {
    SendCopyDataToWindow(window, TInstanceMessage::Make(TInstanceKind::OpenPage, page), &me_, kAnswerTimeoutMs);
  };
  open("man\\glava3.htm");  // from the title screen: the reading screen opens
  open("man\\glava3.htm");  // on the reading screen: another name than the page's, loaded
  open("glava3.htm");       // the page's own name: left as it is
  open("GLAVA3.HTM");
  EXPECT_TRUE(ProcessEventsUntil([&] { return Received(InstanceMessages::WindowHandle) == 4; }, kAnswerTimeoutMs));
  for (const TBusMessage& m : got_) EXPECT_EQ(m.wParam, window) << "1690 carries the main window";

  QFile(go).open(QIODevice::WriteOnly);
  ASSERT_TRUE(AwaitEnd(main));
  EXPECT_EQ(main.exitCode(), 0);
  const QJsonObject pane = ReadJson(dump)["pane"].toObject();
  EXPECT_EQ(ReadJson(dump)["screen"].toInt(), 1);
  EXPECT_TRUE(pane["currentFile"].toString().toLower().endsWith(QStringLiteral("man\\glava3.htm")));
  int loads = 0;
  for (const QJsonValue& file : pane["history"].toArray())
    if (file.toString().toLower().endsWith(QStringLiteral("glava3.htm"))) ++loads;
  EXPECT_LE(loads, 2) << "the page of the same name was loaded again";
}

TEST_F(Instances, ClosingTheMainWindowClosesTheBooksOtherWindowsFirstAndNoOtherBooks) {
  TBookFixture otherBook;
  otherBook.Picture("other.bmp", {120, 80}, Qt::yellow);
  otherBook.Title(QStringLiteral("Другая книга"));

  const QString go = dir_.Path() + QStringLiteral("/go");
  QProcess& main = Start({"--script", Script({"await file " + go, "close"})});
  QProcess& battery = Start({"d:\\man\\battery_big.bmp"});
  QProcess& scheme = Start({"d:\\man\\scheme.bmp"});
  QProcess& foreign = Start({"d:\\other.bmp"}, otherBook.Folder());
  ASSERT_TRUE(AwaitWindow(foreign, kPictureCaption));
  ASSERT_TRUE(AwaitWindow(main));
  ASSERT_TRUE(AwaitWindow(battery, kPictureCaption));  // also joins this process to the sample book
  ASSERT_TRUE(AwaitWindow(scheme, kPictureCaption));

  QWidget diagram, thesaurus;
  std::vector<QString> closed;
  for (QWidget* w : {&diagram, &thesaurus}) {
    w->setWindowTitle(w == &diagram ? kDiagramCaption : kThesaurusCaption);
    w->show();
    WindowBus().SetHandler(w, [&closed, w](const TBusMessage& m) -> std::optional<qint64> {
      if (m.number == WM_CLOSE) closed.push_back(w->windowTitle());
      return std::nullopt;
    });
  }
  WindowBus().Announce();

  QElapsedTimer clock;
  clock.start();
  std::map<const QProcess*, qint64> endedAt;
  QFile(go).open(QIODevice::WriteOnly);
  ProcessEventsUntil(
      [&] {
        for (const QProcess* p : {&main, &battery, &scheme})
          if (p->state() == QProcess::NotRunning && !endedAt.count(p)) endedAt[p] = clock.elapsed();
        return endedAt.size() == 3;
      },
      30000);
  ASSERT_EQ(endedAt.size(), 3u);
  EXPECT_EQ(main.exitCode(), 0);
  EXPECT_LE(endedAt[&battery], endedAt[&main]);
  EXPECT_LE(endedAt[&scheme], endedAt[&main]);
  EXPECT_EQ(closed, (std::vector<QString>{kThesaurusCaption, kDiagramCaption}));

  EXPECT_EQ(foreign.state(), QProcess::Running) << "a picture window of another book stays";
  const TWindowHandle foreignWindow = AwaitWindow(foreign, kPictureCaption);
  WindowBus().SendMessage(foreignWindow, {WM_CLOSE, 0, 0, {}}, kAnswerTimeoutMs);
  EXPECT_TRUE(AwaitEnd(foreign));
}

TEST_F(Instances, APictureSentForPrintingIsPreviewedThenRemovedAndF1ThereOpensTheHelp) {
  const QString temp = dir_.MakeFolder(QStringLiteral("tmp"));
  env_.insert("TMPDIR", temp);
  const QString picture = temp + QStringLiteral("/to-print.bmp");
  QImage image(240, 160, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  ASSERT_TRUE(image.save(picture, "BMP"));

  // The request goes once the script runs, after the start-up; the preview then opens while the
  // script waits for it, and the lines after the wait run in the preview.
  const QString ready = dir_.Path() + QStringLiteral("/ready.json");
  const QString dump = dir_.Path() + QStringLiteral("/preview.json");
  QProcess& main = Start({"--script", Script({"dump " + ready, "await state preview.open true", "dump " + dump,
                                              "key f1", "await windows 1 " + kPictureCaption, "key esc",
                                              "await state preview.open false", "close"})});
  const TWindowHandle window = AwaitWindow(main);
  ASSERT_TRUE(window);
  ASSERT_TRUE(ProcessEventsUntil([&] { return QFile::exists(ready); }, kStartTimeoutMs));

  TInstanceMessage request = TInstanceMessage::Make(TInstanceKind::PrintPicture, HostPath::ToWindows(picture));
  request.Count = 3;
  request.Codes[1] = 1;
  request.Texts[1] = "240";
  request.Codes[2] = 2;
  request.Texts[2] = "160";
  SendCopyDataToWindow(window, request, &me_, kAnswerTimeoutMs);

  ASSERT_TRUE(AwaitEnd(main, 60000));
  EXPECT_EQ(main.exitCode(), 0) << main.readAllStandardError().toStdString();
  const QJsonObject preview = ReadJson(dump)["preview"].toObject();
  EXPECT_TRUE(preview["open"].toBool());
  EXPECT_EQ(preview["pages"].toInt(), 1) << "a picture is fitted to one page";
  EXPECT_FALSE(QFile::exists(picture)) << "the printed file in the temporary folder is removed";
  EXPECT_TRUE(ProcessEventsUntil([] { return FindTopWindowsByTitle(kPictureCaption).empty(); }, kStartTimeoutMs))
      << "the help window goes with the main window";
}

}  // namespace
