#include "app/BookPlace.h"
#include "app/DiscImage.h"
#include "app/Errors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// Points the user's cache folder at a temporary one for the test.
class CacheFolder {
 public:
  CacheFolder() : saved_(qgetenv("XDG_CACHE_HOME")) { qputenv("XDG_CACHE_HOME", dir_.Path().toUtf8()); }
  ~CacheFolder() { qputenv("XDG_CACHE_HOME", saved_); }
  QString Discs() const { return dir_.Path() + "/skinbook/discs"; }

 private:
  TempDir dir_;
  QByteArray saved_;
};

QStringList Listing(const QString& folder) {
  QStringList names;
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile file(path);
    names << QDir(folder).relativeFilePath(path) + (QFileInfo(path).isDir()          ? QString("/")
                                                    : file.open(QIODevice::ReadOnly) ? "=" + file.readAll()
                                                                                     : "?");
  }
  names.sort();
  return names;
}

TEST(DiscImage, AnImageUnpacksOnceAndAChangedImageAgain) {
  CacheFolder cache;
  TempDir disc;
  disc.Write("RUN/Struct.txt", "_screen1 bg.bmp\r\n");
  disc.Write("RUN/Man/Страница.htm", "<p>страница</p>");
  disc.Write("RUN/empty.txt", "");
  disc.MakeFolder("Пусто");
  TempDir out;
  const QString image = out.Path() + "/Book.iso";
  WriteDiscImage(disc.Path(), image);

  const QString folder = DiscImageFolder(image);
  EXPECT_TRUE(folder.startsWith(cache.Discs() + "/Book.iso-")) << folder.toStdString();
  EXPECT_EQ(Listing(folder), Listing(disc.Path()));

  // Found again, not unpacked again.
  QFile::remove(folder + "/RUN/empty.txt");
  EXPECT_EQ(DiscImageFolder(image), folder);
  EXPECT_FALSE(QFile::exists(folder + "/RUN/empty.txt"));

  // A book on the image: its "run" folder, the image's root as the disc.
  const TBookPlace place = LocateBook(image, {});
  EXPECT_EQ(place.book, folder + "/RUN");
  EXPECT_EQ(place.disc, folder);

  // Another image of the same name replaces the old unpacking.
  disc.Write("RUN/new.txt", "new");
  WriteDiscImage(disc.Path(), image);
  {
    QFile file(image);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  }
  const QString again = DiscImageFolder(image);
  EXPECT_NE(again, folder);
  EXPECT_TRUE(QFile::exists(again + "/RUN/new.txt"));
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_EQ(QDir(cache.Discs()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
}

TEST(DiscImage, DamagedOrMissingImagesSaySoAndLeaveNothing) {
  CacheFolder cache;
  TempDir out;
  out.Write("bad.iso", QByteArray(100000, 'x'));
  for (const QString& name : {QString("bad.iso"), QString("missing.iso")}) {
    try {
      DiscImageFolder(out.Path() + "/" + name);
      ADD_FAILURE() << name.toStdString();
    } catch (const EDataError& e) {
      EXPECT_NE(std::string(e.what()).find((out.Path() + "/" + name).toStdString()), std::string::npos) << e.what();
    }
  }
  EXPECT_TRUE(QDir(cache.Discs()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST(BookPlace, FoldersDiscsAndWhatIsWrongWithThem) {
  TempDir root;
  root.Write("book/interface.dat", "");
  root.Write("disc/Run/STRUCT.TXT", "");
  root.Write("file.txt", "");
  root.MakeFolder("empty");
  const QString r = root.Path();

  EXPECT_EQ(LocateBook(r + "/book", {}).book, r + "/book");
  EXPECT_TRUE(LocateBook(r + "/book", {}).disc.isEmpty());
  EXPECT_EQ(LocateBook(r + "/disc", {}).book, r + "/disc/Run");
  EXPECT_EQ(LocateBook(r + "/disc", {}).disc, r + "/disc");
  EXPECT_EQ(LocateBook(r + "/disc/Run", {}).book, r + "/disc/Run");
  EXPECT_EQ(LocateBook(r + "/empty", {}).book, r + "/empty");  // the start says what is missing
  EXPECT_EQ(LocateBook(r + "/book", r + "/empty").disc, r + "/empty");

  const struct {
    QString path;
    std::string message;
  } bad[] = {
      {r + "/nowhere", "the book folder " + r.toStdString() + "/nowhere does not exist"},
      {r + "/file.txt", r.toStdString() + "/file.txt is not a folder"},
  };
  for (const auto& b : bad) {
    try {
      LocateBook(b.path, {});
      ADD_FAILURE() << b.path.toStdString();
    } catch (const EDataError& e) {
      EXPECT_EQ(std::string(e.what()).substr(0, b.message.size()), b.message);
    }
  }
}

}  // namespace
