#include "platform/Cp1251.h"
#include "platform/NamedGuard.h"
#include "support/ui/BookFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

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
