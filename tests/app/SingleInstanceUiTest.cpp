#include "platform/Cp1251.h"
#include "platform/NamedGuard.h"
#include "platform/ui/WindowBus.h"
#include "support/ui/BookFixture.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/SkinFixture.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

// A second start of the same book ends at once and silently; the first runs on undisturbed.
TEST(SingleInstance, SecondStartOfTheSameBookEndsAtOnce) {
  TBookFixture book;
  book.Picture("bg.bmp", {200, 100}, Qt::gray);
  book.Struct({"_screen 1 bg.bmp"});
  const QString title = QStringLiteral("Единственный %1").arg(QCoreApplication::applicationPid());
  book.Title(title);

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", book.Folder() + "/.config");
  const QString runtime = book.Folder() + "/.runtime";
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  env.insert("XDG_RUNTIME_DIR", runtime);
  QProcess first;
  first.setProcessEnvironment(env);
  first.start(SKINBOOK_PROGRAM, {"--book", book.Folder()});
  ASSERT_TRUE(first.waitForStarted());

  const QString lock = runtime + "/skinbook/" + QFileInfo(TNamedGuard::LockFileFor(ToCp1251(title))).fileName();
  QElapsedTimer timer;
  timer.start();
  while (!QFileInfo::exists(lock) && timer.elapsed() < 20000) QThread::msleep(20);
  ASSERT_TRUE(QFileInfo::exists(lock)) << "the first instance never took the book";

  QProcess second;
  second.setProcessEnvironment(env);
  second.start(SKINBOOK_PROGRAM, {"--book", book.Folder()});
  ASSERT_TRUE(second.waitForFinished(20000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(second.readAllStandardError().isEmpty());

  EXPECT_EQ(first.state(), QProcess::Running);
  first.kill();
  first.waitForFinished();
}

namespace {

struct TRun {
  int exitCode;
  QString err;
};

// Runs the program on `book` while this process keeps handling its own events.
TRun RunAgain(const TBookFixture& book, const QStringList& options) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", book.Folder() + "/.config");
  QProcess second;
  second.setProcessEnvironment(env);
  second.start(SKINBOOK_PROGRAM, QStringList{"--book", book.Folder()} + options);
  EXPECT_TRUE(second.waitForStarted());
  EXPECT_TRUE(ProcessEventsUntil([&] { return second.state() == QProcess::NotRunning; }, 30000));
  return {second.exitCode(), QString::fromUtf8(second.readAllStandardError())};
}

}  // namespace

// A reader who starts the book again gets the running window back; a scripted run cannot do
// its work in another process's window and says so.
TEST(SingleInstance, ASecondStartBringsTheWindowForwardOrFailsAScriptedRun) {
  TBookFixture book;
  // This process and the second start share a runtime folder of their own, where the guard is.
  const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
  const QString runtime = book.Folder() + "/.runtime";
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
  ASSERT_TRUE(WindowBus().Start(DefaultBusFolder()));
  const QString title = UniqueTitle("again");
  WriteTestSkin(book, title);
  const auto form = OpenBook(book);
  form->showMinimized();
  ASSERT_TRUE(form->isMinimized());

  const TRun interactive = RunAgain(book, {});
  EXPECT_EQ(interactive.exitCode, 0);
  EXPECT_TRUE(interactive.err.isEmpty()) << interactive.err.toStdString();
  EXPECT_TRUE(ProcessEventsUntil([&] { return !form->isMinimized(); }));

  form->showMinimized();
  const TRun scripted = RunAgain(book, {"--screenshot", book.Folder() + "/shot.png"});
  EXPECT_EQ(scripted.exitCode, 1);
  EXPECT_TRUE(scripted.err.contains(QStringLiteral("the book \"%1\"").arg(title))) << scripted.err.toStdString();
  EXPECT_TRUE(scripted.err.contains(QStringLiteral("is already open"))) << scripted.err.toStdString();
  EXPECT_FALSE(QFile::exists(book.Folder() + "/shot.png"));
  ProcessEventsFor(300);
  EXPECT_TRUE(form->isMinimized()) << "a scripted run leaves the window as it is";
  qputenv("XDG_RUNTIME_DIR", savedRuntime);
}
