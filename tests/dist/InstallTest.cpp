// `cmake --install` into a temporary prefix: everything lands where a desktop looks for it,
// and the installed program opens the sample book beside it without a display.

#include "support/ProgramEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace {

TEST(Install, TheInstalledProgramFindsItsSampleBookWithoutADisplay) {
  TempDir prefix;
  QProcess install;
  install.start(QStringLiteral(SKINBOOK_CMAKE),
                {"--install", QStringLiteral(SKINBOOK_BUILD_DIR), "--prefix", prefix.Path()});
  ASSERT_TRUE(install.waitForFinished(120000));
  ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

  for (const char* file :
       {"bin/skinbook", "bin/booktool", "share/skinbook/sample/interface.dat", "share/applications/skinbook.desktop",
        "share/icons/hicolor/scalable/apps/skinbook.svg", "share/man/man1/skinbook.1", "share/man/man1/booktool.1"})
    EXPECT_TRUE(QFile::exists(prefix.Path() + u'/' + QLatin1String(file))) << file;

  QFile desktop(prefix.Path() + "/share/applications/skinbook.desktop");
  ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
  const QByteArray entry = desktop.readAll();
  EXPECT_TRUE(entry.contains("\nExec=skinbook")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("\nIcon=skinbook\n")) << entry.toStdString();
  // The man pages are the programs' own help.
  for (const char* page : {"skinbook.1", "booktool.1"}) {
    QFile man(prefix.Path() + "/share/man/man1/" + page);
    ASSERT_TRUE(man.open(QIODevice::ReadOnly));
    const QByteArray text = man.readAll();
    EXPECT_TRUE(text.startsWith(".TH ")) << page;
    EXPECT_TRUE(text.contains("usage:")) << page;
  }

  QProcessEnvironment env = ProgramEnvironment(prefix.Path());
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  QProcess program;
  program.setProcessEnvironment(env);
  const QString shot = prefix.Path() + "/sample.png";
  program.start(prefix.Path() + "/bin/skinbook", {"--screenshot", shot});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  QFile png(shot);
  ASSERT_TRUE(png.open(QIODevice::ReadOnly));
  EXPECT_TRUE(png.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
}

}  // namespace
