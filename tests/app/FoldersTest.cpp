#include "app/Folders.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(Folders, DiscIsTheFolderAboveRun) {
  TempDir root;
  const QString book = root.MakeFolder(QStringLiteral("cd/RUN"));
  const TFolders f = ComputeFolders(book);
  EXPECT_EQ(f.discHost, root.Path() + QStringLiteral("/cd"));
  EXPECT_EQ(f.programFolder, "d:\\RUN\\");
  EXPECT_EQ(f.discRoot, "d:\\");
  EXPECT_EQ(f.packRoot, "d:\\");
  EXPECT_EQ(f.systemFolder, f.windowsFolder + "system32\\");
  EXPECT_EQ(f.tempFolder.back(), '\\');
}

TEST(Folders, WithoutRunTheBookIsTheDisc) {
  TempDir root;
  const QString book = root.MakeFolder(QStringLiteral("Книга"));
  const TFolders f = ComputeFolders(book);
  EXPECT_EQ(f.discHost, book);
  EXPECT_EQ(f.programFolder, "d:\\");
  EXPECT_EQ(f.packRoot, "d:\\");
}

TEST(Folders, ExplicitDisc) {
  TempDir root;
  const QString book = root.MakeFolder(QStringLiteral("disc/run/man"));
  const TFolders f = ComputeFolders(book, root.Path() + QStringLiteral("/disc"));
  EXPECT_EQ(f.programFolder, "d:\\run\\man\\");
  EXPECT_EQ(f.packRoot, "d:\\man\\");
  ApplyFolders(f);
  EXPECT_EQ(HostPath::ToHost("d:\\RUN\\MAN\\"), book + QStringLiteral("/"));
}

TEST(Folders, RemoveFirstRunOnly) {
  EXPECT_EQ(RemoveFirstRun("d:\\RUN\\"), "d:\\");
  EXPECT_EQ(RemoveFirstRun("c:\\a\\Run\\b\\run\\"), "c:\\a\\b\\run\\");
  EXPECT_EQ(RemoveFirstRun("c:\\books\\car\\"), "c:\\books\\car\\");
}
