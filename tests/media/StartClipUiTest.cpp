// The start clip: framed or full-screen, Escape, the retries of a clip that never plays.

#include "media/StartClip.h"

#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

class StartClip : public ::testing::Test {
 protected:
  std::unique_ptr<TStartClip> Clip(const std::string& file, bool fullScreen) {
    return std::make_unique<TStartClip>(&owner_, file, fullScreen, [this] { ++finished_; });
  }
  bool WaitUntilFinished(int timeoutMs) {
    return ProcessEventsUntil([&] { return finished_ > 0; }, timeoutMs);
  }

  TMediaFolder folder_;
  QWidget owner_;
  int finished_ = 0;
};

TEST_F(StartClip, PlaysFramedInTheMiddleAndEndsByItself) {
  folder_.Write("intro.avi", ColourAvi(6, 10, {120, 80}));
  auto clip = Clip("intro.avi", false);
  ASSERT_TRUE(ProcessEventsUntil([&] { return clip->isVisible(); }, 3000));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(clip->geometry(), QRect(screen.width() / 2 - 60 - 20, screen.height() / 2 - 40 - 20, 140, 100));
  EXPECT_EQ(clip->windowTitle(), "StartClip");
  // The video fills the inside of the bevel.
  const QImage shown = clip->grab().toImage();
  EXPECT_NE(shown.pixelColor(70, 50), QColor(0, 0, 128));
  EXPECT_NE(shown.pixelColor(70, 50), shown.pixelColor(3, 50));

  ASSERT_TRUE(WaitUntilFinished(5000));
  EXPECT_FALSE(clip->isVisible());
  EXPECT_EQ(clip->StartPlayer->DeviceID(), 0);
  ProcessEventsFor(300);
  EXPECT_EQ(finished_, 1);
}

TEST_F(StartClip, FullScreenCentresTheVideoOnBlack) {
  folder_.Write("intro.avi", ColourAvi(30, 10, {100, 60}));
  auto clip = Clip("intro.avi", true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return clip->isVisible(); }, 3000));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(clip->geometry(), QRect(0, 0, screen.width(), screen.height()));
  QRect video;
  clip->StartPlayer->GetDisplayRect(video);
  EXPECT_EQ(video, QRect(screen.width() / 2 - 50, screen.height() / 2 - 30, 100, 60));
  EXPECT_EQ(clip->grab().toImage().pixelColor(5, 5), QColor(Qt::black));
}

TEST_F(StartClip, EscapeEndsItAtOnce) {
  folder_.Write("intro.avi", ColourAvi(50, 10));
  auto clip = Clip("intro.avi", false);
  ASSERT_TRUE(ProcessEventsUntil([&] { return clip->isVisible(); }, 3000));
  QTest::keyClick(clip.get(), Qt::Key_Escape);
  EXPECT_EQ(finished_, 1);
  EXPECT_FALSE(clip->isVisible());
  EXPECT_EQ(clip->StartPlayer->DeviceID(), 0);
}

TEST_F(StartClip, AMissingClipEndsWithoutRetries) {
  auto clip = Clip("none.avi", false);
  ASSERT_TRUE(WaitUntilFinished(3000));
  EXPECT_EQ(clip->RetryCount, 0);
  EXPECT_FALSE(clip->isVisible());
}

TEST_F(StartClip, AClipThatNeverPlaysIsTriedTenTimes) {
  // Over before the first look at it: each retry finds it at its end, never playing.
  folder_.Write("blink.avi", ColourAvi(1, 10));
  QElapsedTimer clock;
  clock.start();
  auto clip = Clip("blink.avi", false);
  ASSERT_TRUE(WaitUntilFinished(10000));
  EXPECT_EQ(clip->RetryCount, 10);
  EXPECT_GE(clock.elapsed(), 5000);
  EXPECT_FALSE(clip->isVisible());
}

}  // namespace
