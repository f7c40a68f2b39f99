#include "platform/Cp1251.h"
#include "support/PackBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace {

struct ToolRun {
  int exitCode;
  QString out, err;
};

ToolRun Booktool(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(SKINBOOK_BOOKTOOL), args);
  EXPECT_TRUE(process.waitForFinished(60000)) << args.join(u' ').toStdString();
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Cp1251(const QString& text) { return QByteArray::fromStdString(ToCp1251(text)); }

// A book with pages in its pack and on disk, one page in both (the pack's copy counts).
class BooktoolIndex : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePack(book_, {{"man\\glava1.htm", ToCp1251(QStringLiteral("<title>Двигатель</title>Поршень и шатун"))},
                      {"man\\both.htm", ToCp1251(QStringLiteral("<title>Из пакета</title>Свеча"))},
                      {"Struct.txt", "not a page"}});
    book_.Write("extra/Колёса.HTM", Cp1251(QStringLiteral("<p>Шина и диск, поршень</p>")));
    book_.Write("man/both.htm", Cp1251(QStringLiteral("<title>С диска</title>Свеча")));
  }

  QStringList Find(const QString& word, int expectedExit) {
    const ToolRun run = Booktool({"find", book_.Path(), word});
    EXPECT_EQ(run.exitCode, expectedExit) << run.err.toStdString();
    return run.out.split('\n', Qt::SkipEmptyParts);
  }

  TempDir book_;
};

TEST_F(BooktoolIndex, IndexThenFindRoundTrips) {
  const ToolRun indexed = Booktool({"index", book_.Path()});
  ASSERT_EQ(indexed.exitCode, 0) << indexed.err.toStdString();
  EXPECT_EQ(indexed.out, "3 pages, 6 keywords\n");
  QFile files(book_.Path() + "/files.idx");
  ASSERT_TRUE(files.open(QIODevice::ReadOnly));
  EXPECT_EQ(files.readAll(), Cp1251(QStringLiteral("man\\both.htm#:#Из пакета\r\nman\\glava1.htm#:#Двигатель\r\n"
                                                   "extra\\Колёса.HTM#:#Колёса.HTM\r\n")));

  EXPECT_EQ(Find("ПОРШЕНЬ", 0), (QStringList{"man\\glava1.htm\tДвигатель", "extra\\Колёса.HTM\tКолёса.HTM"}));
  EXPECT_EQ(Find("свеча", 0), QStringList{"man\\both.htm\tИз пакета"});
  EXPECT_EQ(Find("поршн", 1), QStringList{});
}

TEST_F(BooktoolIndex, FindWithoutIndexSaysSoAndUsageErrorsExitTwo) {
  const ToolRun run = Booktool({"find", book_.Path(), "поршень"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_EQ(run.err, "booktool: Индескный(е) файл(ы) не найден\n");
  EXPECT_EQ(Booktool({"find", book_.Path()}).exitCode, 2);
  EXPECT_EQ(Booktool({"index"}).exitCode, 2);
  EXPECT_EQ(Booktool({"index", book_.Path() + "/none"}).exitCode, 1);
}

TEST(BooktoolIndexSample, TheSampleBookIndexFindsItsChapters) {
  TempDir copy;
  QFile::copy(QStringLiteral(SKINBOOK_SAMPLE_BOOK "/interface.dat"), copy.Path() + "/interface.dat");
  ASSERT_EQ(Booktool({"index", copy.Path()}).exitCode, 0);
  const ToolRun run = Booktool({"find", copy.Path(), "Тормозная"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("man\\glava6.htm\tТормозная система")) << run.out.toStdString();
}

}  // namespace
