// The sample book opened from a CD image made in the test shows what it shows from its folder.

#include "app/DiscImage.h"
#include "support/ProgramEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

namespace {

// The piston animates while the screenshot is taken: the rest of the window is compared.
const QRect kPiston(583, 470, 64, 88);

bool SameOutsideThePiston(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!kPiston.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

int Screenshot(const TempDir& home, const QStringList& book, const QString& shot) {
  QProcess program;
  program.setProcessEnvironment(ProgramEnvironment(home.Path()));
  program.start(SKINBOOK_PROGRAM, book + QStringList{"--screenshot", shot});
  EXPECT_TRUE(program.waitForFinished(60000));
  EXPECT_TRUE(program.readAllStandardError().isEmpty());
  return program.exitCode();
}

TEST(DiscImage, TheSampleBookOpensFromAnImage) {
  TempDir home;
  const QString image = home.Path() + "/Образ книги.iso";
  WriteDiscImage(SKINBOOK_SAMPLE_BOOK, image);
  const QByteArray imageBytes = [&] {
    QFile file(image);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();

  ASSERT_EQ(Screenshot(home, {"--book", SKINBOOK_SAMPLE_BOOK}, home.Path() + "/folder.png"), 0);
  ASSERT_EQ(Screenshot(home, {image}, home.Path() + "/image.png"), 0);
  const QImage fromFolder(home.Path() + "/folder.png");
  ASSERT_FALSE(fromFolder.isNull());
  EXPECT_TRUE(SameOutsideThePiston(QImage(home.Path() + "/image.png"), fromFolder));

  // Once unpacked, the image is read from the cache; the image itself is never written.
  const QStringList unpacked =
      QDir(home.Path() + "/.cache/skinbook/discs").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  ASSERT_EQ(unpacked.size(), 1);
  ASSERT_EQ(Screenshot(home, {"--book", image}, home.Path() + "/again.png"), 0);
  EXPECT_TRUE(SameOutsideThePiston(QImage(home.Path() + "/again.png"), fromFolder));
  EXPECT_EQ(QDir(home.Path() + "/.cache/skinbook/discs").entryList(QDir::Dirs | QDir::NoDotAndDotDot), unpacked);
  QFile file(image);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), imageBytes);
}

}  // namespace
