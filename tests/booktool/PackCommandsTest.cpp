#include "support/PackBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QProcess>

namespace {

struct ToolRun {
  int exitCode;
  QByteArray out, err;
};

ToolRun Booktool(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(SKINBOOK_BOOKTOOL), args);
  EXPECT_TRUE(process.waitForFinished(30000)) << args.join(u' ').toStdString();
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

TEST(BooktoolPack, PackThenListAndCatRoundTrip) {
  TempDir source;
  const QByteArray binary("\0\xff\r\n\x1a\r", 6);
  source.Write(QStringLiteral("Глава 1/Страница.htm"), "<html>страница</html>");
  source.Write(QStringLiteral("Глава 1/Рисунки/Схема.bmp"), binary);
  source.Write(QStringLiteral("readme.txt"), "readme");
  source.Write(QStringLiteral("empty.txt"), "");
  source.Write(QStringLiteral(".hidden"), "hidden");
  source.MakeFolder(QStringLiteral("Пусто"));
  TempDir out;
  const QString pack = out.Path() + QStringLiteral("/interface.dat");

  const ToolRun packed = Booktool({QStringLiteral("pack"), source.Path(), pack});
  ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();

  const ToolRun listed = Booktool({QStringLiteral("ls"), pack});
  ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
  EXPECT_EQ(QString::fromUtf8(listed.out), QStringLiteral("EMPTY.TXT\nREADME.TXT\nГЛАВА 1\\РИСУНКИ\\СХЕМА.BMP\n"
                                                          "ГЛАВА 1\\СТРАНИЦА.HTM\n"));

  const struct {
    QString path;
    QByteArray bytes;
  } members[] = {
      {QStringLiteral("ГЛАВА 1\\РИСУНКИ\\СХЕМА.BMP"), binary},
      {QStringLiteral("глава 1/страница.htm"), "<html>страница</html>"},
      {QStringLiteral("\\readme.txt"), "readme"},
      {QStringLiteral("EMPTY.TXT"), ""},
      {QStringLiteral(".hidden"), "hidden"},
  };
  for (const auto& m : members) {
    const ToolRun cat = Booktool({QStringLiteral("cat"), pack, m.path});
    EXPECT_EQ(cat.exitCode, 0) << m.path.toStdString() << cat.err.toStdString();
    EXPECT_EQ(cat.out, m.bytes) << m.path.toStdString();
  }
}

TEST(BooktoolPack, BadInputExitsWithOneAndALine) {
  TempDir dir;
  const QString pack = WritePack(dir, {{"dir/a.txt", "a"}});
  const QString damaged = dir.Write(QStringLiteral("damaged.dat"), "not a pack at all");
  const QString file = dir.Write(QStringLiteral("file.txt"), "x");
  const QStringList cases[] = {
      {QStringLiteral("cat"), pack, QStringLiteral("dir/b.txt")},
      {QStringLiteral("cat"), pack, QStringLiteral("dir")},
      {QStringLiteral("cat"), dir.Path() + QStringLiteral("/missing.dat"), QStringLiteral("a.txt")},
      {QStringLiteral("cat"), damaged, QStringLiteral("a.txt")},
      {QStringLiteral("ls"), damaged},
      {QStringLiteral("ls"), dir.Path()},
      {QStringLiteral("pack"), file, dir.Path() + QStringLiteral("/out.dat")},
      {QStringLiteral("pack"), dir.Path() + QStringLiteral("/missing"), dir.Path() + QStringLiteral("/out.dat")},
      {QStringLiteral("pack"), dir.Path(), dir.Path() + QStringLiteral("/missing/out.dat")},
  };
  for (const QStringList& args : cases) {
    const ToolRun run = Booktool(args);
    EXPECT_EQ(run.exitCode, 1) << args.join(u' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  }
}

TEST(BooktoolPack, WrongArgumentsAreUsageErrors) {
  const QStringList cases[] = {
      {QStringLiteral("pack")},
      {QStringLiteral("pack"), QStringLiteral("dir")},
      {QStringLiteral("pack"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
      {QStringLiteral("ls")},
      {QStringLiteral("ls"), QStringLiteral("a"), QStringLiteral("b")},
      {QStringLiteral("cat"), QStringLiteral("pack")},
      {QStringLiteral("cat"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
  };
  for (const QStringList& args : cases) EXPECT_EQ(Booktool(args).exitCode, 2) << args.join(u' ').toStdString();
}

}  // namespace
