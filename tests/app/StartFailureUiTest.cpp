#include "support/ui/BookFixture.h"

#include <gtest/gtest.h>
#include <QProcess>

// Book text quoted in a start-up failure (Windows-1251 in the book) reads as written on
// stderr and in the error log.
TEST(StartFailure, CyrillicBookTextReadsCorrectlyOnStderrAndInTheLog) {
  TBookFixture book;
  book.Struct({"_screen 1 bg.bmp", "vertexmain=[0,0;Цифра,5]"});

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", book.Folder() + "/.config");
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(SKINBOOK_PROGRAM, {"--book", book.Folder(), "--verbose", "--screenshot", book.Folder() + "/out.png"});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitCode(), 1);

  const QString errors = QString::fromUtf8(program.readAllStandardError());
  const QString quoted = QStringLiteral("\"Цифра\" is not a valid integer value");
  EXPECT_EQ(errors.count(quoted), 2) << qUtf8Printable(errors);  // the message, then the log line
  EXPECT_TRUE(errors.contains(QStringLiteral("the book cannot start"))) << qUtf8Printable(errors);
}
