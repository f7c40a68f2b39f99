// Starting the program for other roles and reaching its windows; the picture windows here
// are stand-ins (a process that never answers), real ones are in tests/windows/.

#include "app/ui/OtherInstances.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/FakeBusPeer.h"
#include "support/ui/ProgramRecorder.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QWidget>

namespace {

using namespace OtherInstances;

class OtherInstancesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.Path() + QStringLiteral("/bus");
    ASSERT_TRUE(WindowBus().Start(folder_));
    WindowBus().SetGroup(QStringLiteral("Книга"));
    disc_ = dir_.MakeFolder(QStringLiteral("disc"));
    HostPath::SetDiscRoot(disc_);
    Global.ProgramFolder = "d:\\run\\";
    Global.ProgramFile = recorder_.Program();
    sender_.setWindowTitle(QStringLiteral("Книга"));
  }

  TSavedGlobals saved_;
  TempDir dir_;
  QString folder_, disc_;
  TProgramRecorder recorder_;
  QWidget sender_;
};

TEST_F(OtherInstancesTest, AStartedProcessGetsTheBookAndTheDisc) {
  dir_.MakeFolder(QStringLiteral("disc/run"));
  EXPECT_TRUE(Start({QStringLiteral("d:\\pics\\a.bmp")}));
  EXPECT_EQ(recorder_.Arguments(), (QStringList{QStringLiteral("--book"), disc_ + QStringLiteral("/run/"),
                                                QStringLiteral("--disc"), disc_, QStringLiteral("d:\\pics\\a.bmp")}));
}

TEST_F(OtherInstancesTest, APictureWindowThatNeverAnswersCostsHalfASecond) {
  const TFakeBusPeer hung(folder_, kPictureCaption, QStringLiteral("Книга"));
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(ShowInPictureWindow(&sender_, "d:\\pics\\a.bmp#x", {QStringLiteral("/h")}), TPictureWindow::Started);
  EXPECT_GE(timer.elapsed(), 450);
  EXPECT_LT(timer.elapsed(), 2500);
  const QStringList arguments = recorder_.Arguments();
  ASSERT_GE(arguments.size(), 2);
  EXPECT_EQ(arguments.mid(arguments.size() - 2),
            (QStringList{QStringLiteral("d:\\pics\\a.bmp#x"), QStringLiteral("/h")}));
}

TEST_F(OtherInstancesTest, PictureWindowsOfAnotherBookAreNotAsked) {
  const TFakeBusPeer other(folder_, kPictureCaption, QStringLiteral("Другая книга"));
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(ShowInPictureWindow(&sender_, "d:\\pics\\a.bmp"), TPictureWindow::Started);
  EXPECT_LT(timer.elapsed(), 400);
  EXPECT_TRUE(recorder_.Arguments().contains(QStringLiteral("d:\\pics\\a.bmp")));
}

TEST_F(OtherInstancesTest, ARunningThesaurusWindowIsShownAndSentThePage) {
  QWidget thesaurus;
  thesaurus.setWindowTitle(kThesaurusCaption);
  thesaurus.show();
  std::vector<TInstanceMessage> got;
  WindowBus().SetHandler(&thesaurus, [&](const TBusMessage& m) -> std::optional<qint64> {
    if (m.number == WM_COPYDATA)
      if (auto record = TInstanceMessage::Decode(std::string_view(m.data.constData(), size_t(m.data.size()))))
        got.push_back(*record);
    return std::nullopt;
  });
  thesaurus.showMinimized();
  OpenThesaurusWindow(&sender_, "d:\\run\\tez\\a.htm#x");
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0], TInstanceMessage::Make(TInstanceKind::OpenPage, "d:\\run\\tez\\a.htm#x"));
  ProcessEventsUntil([&] { return !thesaurus.isMinimized(); }, 2000);
  EXPECT_FALSE(thesaurus.isMinimized());
  EXPECT_FALSE(recorder_.Started());
}

TEST_F(OtherInstancesTest, WithoutAThesaurusWindowOneIsStartedForAPageThatExists) {
  OpenThesaurusWindow(&sender_, "d:\\run\\tez\\missing.htm");
  ProcessEventsFor(300);
  EXPECT_FALSE(recorder_.Started());

  dir_.Write(QStringLiteral("disc/run/tez/a.htm"), "<p>~ Тормоз</p>");
  OpenThesaurusWindow(&sender_, "d:\\run\\tez\\a.htm#x");
  const QStringList arguments = recorder_.Arguments();
  ASSERT_GE(arguments.size(), 2);
  EXPECT_EQ(arguments.mid(arguments.size() - 2),
            (QStringList{QStringLiteral("d:\\run\\tez\\a.htm#x"), QStringLiteral("/t")}));
}

}  // namespace
