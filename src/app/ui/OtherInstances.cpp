#include "app/ui/OtherInstances.h"

#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/TopWindows.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace OtherInstances {

namespace {

// What one picture window may cost the handshake when it does not answer.
constexpr int kPictureQueryMs = 500;
constexpr int kAnswerPollMs = 50;

}  // namespace

bool Start(const QStringList& arguments) {
  const QString program = Global.ProgramFile.isEmpty() ? QCoreApplication::applicationFilePath() : Global.ProgramFile;
  QStringList all;
  const QString book = HostPath::ToHost(Global.ProgramFolder);
  if (!book.isEmpty()) all << QStringLiteral("--book") << book;
  if (!Global.DiscRootHost.isEmpty()) all << QStringLiteral("--disc") << Global.DiscRootHost;
  if (Global.ScaleForced) all << QStringLiteral("--scale") << QString::number(Global.InterfaceScale);
  all << arguments;
  return QProcess::startDetached(program, all);
}

std::vector<TBusWindow> BookWindows(const QString& caption) {
  std::vector<TBusWindow> found = FindTopWindowsByTitle(caption);
  const QString& group = WindowBus().Group();
  std::erase_if(found, [&](const TBusWindow& w) { return w.group != group; });
  return found;
}

std::optional<qint64> SendCopyDataToWindow(TWindowHandle window, const TInstanceMessage& message, QWidget* sender,
                                           int timeoutMs) {
  const std::string bytes = message.Encode();
  const TBusMessage copyData{WM_COPYDATA, WindowBus().HandleOf(sender), 0,
                             QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))};
  return WindowBus().SendMessage(window, copyData, timeoutMs);
}

TPictureWindow ShowInPictureWindow(QWidget* sender, const std::string& file, const QStringList& extraArguments) {
  const TInstanceMessage query = TInstanceMessage::Make(TInstanceKind::PictureQuery, file);
  TWindowBus& bus = WindowBus();
  for (const TBusWindow& window : BookWindows(kPictureCaption)) {
    Global.PictureAnswerReceived = Global.PictureAnswerYes = false;
    const QDeadlineTimer budget(kPictureQueryMs);
    SendCopyDataToWindow(window.handle, query, sender, kPictureQueryMs);
    while (!Global.PictureAnswerReceived && !budget.hasExpired())
      bus.Pause(static_cast<int>(std::min<qint64>(kAnswerPollMs, budget.remainingTime())));
    if (Global.PictureAnswerReceived && Global.PictureAnswerYes) {
      bus.ShowNormal(window.handle);
      bus.SetForegroundWindow(window.handle);
      return TPictureWindow::Raised;
    }
  }
  return Start(QStringList{FromCp1251(file)} + extraArguments) ? TPictureWindow::Started : TPictureWindow::NotStarted;
}

void OpenThesaurusWindow(QWidget* sender, const std::string& startPage) {
  const std::vector<TBusWindow> running = BookWindows(kThesaurusCaption);
  if (!running.empty()) {
    TWindowBus& bus = WindowBus();
    bus.ShowNormal(running.front().handle);
    bus.SetForegroundWindow(running.front().handle);
    SendCopyDataToWindow(running.front().handle, TInstanceMessage::Make(TInstanceKind::OpenPage, startPage), sender);
    return;
  }
  if (FileOrPackExists(startPage.substr(0, startPage.find('#')))) Start({FromCp1251(startPage), QStringLiteral("/t")});
}

}  // namespace OtherInstances
