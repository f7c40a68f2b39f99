// The program started without a display: what needs no window works, scripted runs fall back
// to the offscreen platform, and a book that is not there is named.

#include "support/ProgramEnvironment.h"
#include "support/ui/SkinFixture.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>

namespace {

struct TRun {
  int exitCode;
  QString out, err;
};

TRun RunWithoutDisplay(const QStringList& args, const QString& home) {
  QProcessEnvironment env = ProgramEnvironment(home);
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(SKINBOOK_PROGRAM, args);
  EXPECT_TRUE(program.waitForFinished(30000)) << args.join(' ').toStdString();
  return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
          QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
}

TEST(ProgramOptions, WithoutADisplay) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("nodisplay"));
  const QString home = book.Folder();

  const TRun help = RunWithoutDisplay({"--help"}, home);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("usage: skinbook")) << help.out.toStdString();
  const TRun version = RunWithoutDisplay({"--version"}, home);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("skinbook ")) << version.out.toStdString();
  for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"--book"}}) {
    const TRun run = RunWithoutDisplay(wrong, home);
    EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("usage: skinbook")) << run.err.toStdString();
  }
  // A window with nowhere to go is refused with a word on how to run without one.
  const TRun window = RunWithoutDisplay({"--book", book.Folder()}, home);
  EXPECT_EQ(window.exitCode, 1);
  EXPECT_TRUE(window.err.contains("no display")) << window.err.toStdString();

  const QString shot = book.Folder() + "/shot.png";
  const TRun screenshot = RunWithoutDisplay({"--book", book.Folder(), "--screenshot", shot}, home);
  EXPECT_EQ(screenshot.exitCode, 0) << screenshot.err.toStdString();
  EXPECT_EQ(QImage(shot).size(), QSize(800, 600));
}

TEST(ProgramOptions, ABookThatIsNotThereIsNamed) {
  TBookFixture book;
  book.File("notes.txt", "x");
  const QString missing = book.Folder() + "/nowhere";
  const struct {
    QString path;
    QString expected;
  } cases[] = {
      {missing, "skinbook: the book folder " + missing + " does not exist"},
      {book.Folder() + "/notes.txt", "skinbook: " + book.Folder() + "/notes.txt is not a folder"},
      {missing + ".iso", "skinbook: the disc image " + missing + ".iso does not exist"},
  };
  for (const auto& c : cases) {
    const TRun run = RunWithoutDisplay({"--book", c.path, "--screenshot", book.Folder() + "/shot.png"}, book.Folder());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(c.expected)) << run.err.toStdString();
  }
}

}  // namespace
