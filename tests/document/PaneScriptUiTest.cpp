// The pane driven by a script in a program of its own: links, find and a dropped file, told
// by the program's dump.

#include "support/TempDir.h"
#include "support/ui/PaneFixture.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

constexpr int kRunTimeoutMs = 60000;

QProcessEnvironment IsolatedEnvironment(const TempDir& folders) {
  const QString runtime = folders.MakeFolder("runtime");
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", folders.MakeFolder("config"));
  env.insert("XDG_DATA_HOME", folders.MakeFolder("data"));
  env.insert("XDG_RUNTIME_DIR", runtime);
  return env;
}

QJsonObject PaneOf(const QString& dump) {
  QFile file(dump);
  return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()["pane"].toObject()
                                        : QJsonObject();
}

TEST(PaneScript, LinksFindAndDropShowInTheDump) {
  TBookFixture book;
  WritePaneBook(book, UniqueTitle("panescript"));
  TempDir folders;
  const QString dropped = folders.Write("Dropped.HTM", PageBytes("Сброшенная", "<p>Сброс</p>"));
  const QString dumpLinked = QDir(folders.Path()).filePath("linked.json");
  const QString dumpDropped = QDir(folders.Path()).filePath("dropped.json");
  const QString script = folders.Write("script.txt",
                                       QStringList{
                                           "link b.htm",
                                           "find БЭ",
                                           "dump " + dumpLinked,
                                           "drop " + dropped,
                                           "dump " + dumpDropped,
                                       }
                                           .join('\n')
                                           .toUtf8());
  QProcess program;
  program.setProcessEnvironment(IsolatedEnvironment(folders));
  program.start(SKINBOOK_PROGRAM, {"--book", book.Folder(), "--script", script});
  ASSERT_TRUE(program.waitForFinished(kRunTimeoutMs));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

  const QJsonObject linked = PaneOf(dumpLinked);
  EXPECT_TRUE(linked["currentFile"].toString().endsWith("man\\b.htm", Qt::CaseInsensitive));
  EXPECT_EQ(linked["historyIndex"].toInt(), 0);
  EXPECT_EQ(linked["history"].toArray().size(), 2);
  EXPECT_EQ(linked["titleHistory"].toArray()[0].toString(), QStringLiteral("Страница Б"));
  EXPECT_EQ(linked["selText"].toString(), QStringLiteral("Бэ"));
  EXPECT_FALSE(linked["archiveMode"].toBool());
  const QJsonArray viewers = linked["viewers"].toArray();
  ASSERT_EQ(viewers.size(), 2);
  EXPECT_EQ(viewers[0].toObject()["screen"].toInt(), 0);
  EXPECT_TRUE(viewers[0].toObject()["visible"].toBool());
  EXPECT_EQ(viewers[1].toObject()["screen"].toInt(), 1);
  EXPECT_FALSE(viewers[1].toObject()["visible"].toBool());

  const QJsonObject afterDrop = PaneOf(dumpDropped);
  EXPECT_TRUE(afterDrop["currentFile"].toString().endsWith("dropped.htm"))
      << afterDrop["currentFile"].toString().toStdString();
  EXPECT_EQ(afterDrop["history"].toArray().size(), 3);
}

// "link URL TARGET" goes where a click on such a link goes: into the frame of that name.
TEST(PaneScript, LinkWithATargetFillsThatFrame) {
  TBookFixture book;
  WritePaneBook(book, UniqueTitle("panescript"));
  book.File("man/frames.htm",
            "<frameset cols=\"100,*\"><frame name=toc src=c.htm><frame name=main src=b.htm></frameset>");
  book.File("man/form.htm", PageBytes("Форма",
                                      "<form action=c.htm><input name=who value=Ivan>"
                                      "<input type=checkbox name=abs checked></form>"));
  TempDir folders;
  const QString dumpFrames = QDir(folders.Path()).filePath("frames.json");
  const QString dumpForm = QDir(folders.Path()).filePath("form.json");
  const QString script = folders.Write("script.txt",
                                       QStringList{
                                           "link frames.htm",
                                           "link form.htm main",
                                           "dump " + dumpFrames,
                                           "link d.htm _top",
                                           "link form.htm",
                                           "dump " + dumpForm,
                                       }
                                           .join('\n')
                                           .toUtf8());
  QProcess program;
  program.setProcessEnvironment(IsolatedEnvironment(folders));
  program.start(SKINBOOK_PROGRAM, {"--book", book.Folder(), "--script", script});
  ASSERT_TRUE(program.waitForFinished(kRunTimeoutMs));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

  const QJsonObject framed = PaneOf(dumpFrames);
  EXPECT_TRUE(framed["currentFile"].toString().endsWith("man\\frames.htm", Qt::CaseInsensitive));
  const QJsonArray frames = framed["frames"].toArray();
  ASSERT_EQ(frames.size(), 2);
  EXPECT_EQ(frames[0].toObject()["name"].toString(), "toc");
  EXPECT_TRUE(frames[0].toObject()["currentFile"].toString().endsWith("c.htm", Qt::CaseInsensitive));
  EXPECT_EQ(frames[1].toObject()["title"].toString(), QStringLiteral("Форма"));
  EXPECT_TRUE(frames[1].toObject()["active"].toBool());
  const QJsonArray controls = framed["formControls"].toArray();
  ASSERT_EQ(controls.size(), 2);
  EXPECT_EQ(controls[0].toObject()["kind"].toString(), "input");
  EXPECT_EQ(controls[0].toObject()["value"].toString(), "Ivan");
  EXPECT_TRUE(controls[0].toObject()["drawn"].toBool());
  EXPECT_TRUE(controls[1].toObject()["checked"].toBool());

  const QJsonObject top = PaneOf(dumpForm);
  EXPECT_TRUE(top["currentFile"].toString().endsWith("man\\form.htm", Qt::CaseInsensitive));
  EXPECT_EQ(top["frames"].toArray().size(), 1);
  EXPECT_EQ(top["history"].toArray().size(), 5);
}

}  // namespace
