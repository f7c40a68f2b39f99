#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>

namespace {
std::string W(const QString& s) { return ToCp1251(s); }
}  // namespace

TEST(HostPath, ResolvesEveryComponentWithoutRegardToCase) {
  TempDir disc;
  const QString page = disc.Write(QStringLiteral("Run/Man/Глава1/Стр.HTM"), "x");
  HostPath::SetDiscRoot(disc.Path());

  const struct {
    QString windows;
  } cases[] = {
      {QStringLiteral("d:\\run\\man\\глава1\\стр.htm")},
      {QStringLiteral("D:\\RUN\\MAN\\ГЛАВА1\\СТР.HTM")},
      {QStringLiteral("d:/Run/Man/Глава1/Стр.HTM")},
      {QStringLiteral("d:\\run\\x\\..\\man\\.\\глава1\\стр.htm")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HostPath::ToHost(W(c.windows)), page) << c.windows.toStdString();
    EXPECT_TRUE(HostPath::FileExists(W(c.windows)));
  }
  EXPECT_TRUE(HostPath::FolderExists("d:\\RUN\\man\\"));
  EXPECT_FALSE(HostPath::FileExists("d:\\run\\man"));
}

TEST(HostPath, MissingComponentsKeepTheirSpelling) {
  TempDir disc;
  disc.MakeFolder(QStringLiteral("Run"));
  HostPath::SetDiscRoot(disc.Path());
  EXPECT_EQ(HostPath::ToHost("d:\\run\\New\\File.txt"), disc.Path() + QStringLiteral("/Run/New/File.txt"));
  EXPECT_FALSE(HostPath::FileExists("d:\\run\\New\\File.txt"));
}

TEST(HostPath, SeesFilesCreatedAfterTheFolderWasListed) {
  TempDir disc;
  disc.Write(QStringLiteral("a.txt"), "a");
  HostPath::SetDiscRoot(disc.Path());
  EXPECT_TRUE(HostPath::FileExists("d:\\A.TXT"));
  EXPECT_FALSE(HostPath::FileExists("d:\\B.TXT"));
  disc.Write(QStringLiteral("b.txt"), "b");
  EXPECT_TRUE(HostPath::FileExists("d:\\B.TXT"));
}

// Drive c: is the home folder, so that a book's install folder is one the reader can write;
// z: is the host's root.
TEST(HostPath, DrivesMapToDiscHomeAndHostRoot) {
  TempDir disc, home;
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", home.Path().toUtf8());
  HostPath::SetDiscRoot(disc.Path());
  home.MakeFolder(QStringLiteral("AutoBook"));
  EXPECT_EQ(HostPath::ToHost("c:\\"), home.Path() + QStringLiteral("/"));
  EXPECT_EQ(HostPath::ToHost("c:\\autobook\\"), home.Path() + QStringLiteral("/AutoBook/"));
  EXPECT_EQ(HostPath::ToHost("c:\\new\\x"), home.Path() + QStringLiteral("/new/x"));
  EXPECT_EQ(HostPath::ToHost("z:\\"), QStringLiteral("/"));
  EXPECT_EQ(HostPath::ToHost("z:\\nonexistent-skinbook\\x"), QStringLiteral("/nonexistent-skinbook/x"));
  EXPECT_TRUE(HostPath::ToHost("e:\\x").isEmpty());
  EXPECT_FALSE(HostPath::FileExists("e:\\x"));

  EXPECT_EQ(HostPath::ToWindows(disc.Path() + QStringLiteral("/Run/a.htm")), "d:\\Run\\a.htm");
  EXPECT_EQ(HostPath::ToWindows(disc.Path() + QStringLiteral("/")), "d:\\");
  EXPECT_EQ(HostPath::ToWindows(home.Path() + QStringLiteral("/AutoBook/")), "c:\\AutoBook\\");
  EXPECT_EQ(HostPath::ToWindows(home.Path()), "c:\\");
  EXPECT_EQ(HostPath::ToWindows(QStringLiteral("/opt/Книга")), W(QStringLiteral("z:\\opt\\Книга")));
  // A name that merely begins like the home folder is not inside it.
  EXPECT_EQ(HostPath::ToWindows(home.Path() + QStringLiteral("x/a")).substr(0, 3), "z:\\");
  qputenv("HOME", savedHome);
}
