// The pane driven by a script in a program of its own: links, find and a dropped file, told
// by the program's dump.

#include "support/TempDir.h"
#include "support/ui/PaneFixture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

constexpr int kRunTimeoutMs = 60000;

TEST(PaneScript, LinksFindAndDropShowInTheDump) {
  TBookFixture book;
  WritePaneBook(book, UniqueTitle("panescript"));
  TempDir folders;
  const QString dropped = folders.Write("Dropped.HTM", PageBytes("Сброшенная", "<p>Сброс</p>"));
  const QString dumpLinked = QDir(folders.Path()).filePath("linked.json");
  const QString dumpDropped = QDir(folders.Path()).filePath("dropped.json");
  const QString script = folders.Write("script.txt", QStringList{
                                                          "link b.htm",
                                                          "find БЭ",
                                                          "dump " + dumpLinked,
                                                          "drop " + dropped,
                                                          "dump " + dumpDropped,
                                                      }
                                                          .join('\n')
                                                          .toUtf8());
  const QString runtime = folders.MakeFolder("runtime");
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", folders.MakeFolder("config"));
  env.insert("XDG_DATA_HOME", folders.MakeFolder("data"));
  env.insert("XDG_RUNTIME_DIR", runtime);
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(SKINBOOK_PROGRAM, {"--book", book.Folder(), "--script", script});
  ASSERT_TRUE(program.waitForFinished(kRunTimeoutMs));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

  auto read = [](const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()["pane"].toObject()
                                          : QJsonObject();
  };
  const QJsonObject linked = read(dumpLinked);
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

  const QJsonObject afterDrop = read(dumpDropped);
  EXPECT_TRUE(afterDrop["currentFile"].toString().endsWith("dropped.htm")) << afterDrop["currentFile"].toString().toStdString();
  EXPECT_EQ(afterDrop["history"].toArray().size(), 3);
}

}  // namespace
