// The 3D view: playing in its rectangle, clicks that pause and resume it, freezing with the
// frame kept in the skin, the still picture back with "2d", looping, shutting down.

#include "media/MyAviPlayer.h"

#include "app/Errors.h"
#include "platform/ui/VideoSurface.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"
#include "support/ui/TestMediaHost.h"

#include <gtest/gtest.h>

namespace {

const QColor kSkin(30, 120, 30);
const QRect kRect(40, 30, 160, 120);

class MyAviPlayer : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.show();
    // Blue turning violet, a frame every 100 ms, 2 s in all.
    car_ = folder_.Write("car.avi", ColourAvi(20, 10, {80, 60}, QColor(0, 0, 230)));
  }
  void SetUpView(const std::string& file) { view_.Setup(&host_, &host_, kRect, file); }
  QColor SkinAt(QPoint p) { return host_.SkinBackground().pixelColor(p); }
  QColor ShownAt(QPoint p) { return host_.grab().toImage().pixelColor(p); }
  TVideoSurface* Surface() { return host_.findChild<TVideoSurface*>(); }

  TMediaFolder folder_;
  TTestMediaHost host_{kSkin};
  TMyAviPlayer view_{host_};
  std::string car_;
};

TEST_F(MyAviPlayer, PlaysInItsRectangleOverTheSkin) {
  SetUpView(car_);
  ASSERT_TRUE(view_.Player);
  EXPECT_TRUE(view_.Player->AutoRewind);
  EXPECT_FALSE(view_.Active);
  EXPECT_EQ(view_.BackgroundPicture.size(), kRect.size());
  view_.SetActive(true);
  EXPECT_TRUE(view_.Active);
  EXPECT_FALSE(view_.Frozen);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPlaying);
  ProcessEventsFor(150);
  ASSERT_TRUE(Surface());
  EXPECT_EQ(Surface()->geometry(), kRect);
  EXPECT_GT(ShownAt(kRect.center()).blue(), 150);
  EXPECT_EQ(ShownAt({5, 5}), kSkin);
  EXPECT_TRUE(view_.Contains(kRect.left(), kRect.top()));
  EXPECT_FALSE(view_.Contains(kRect.right() + 1, kRect.top()));
  EXPECT_FALSE(view_.Contains(kRect.left(), kRect.bottom() + 1));
}

TEST_F(MyAviPlayer, ClicksPauseWithTheFrameKeptAndResume) {
  SetUpView(car_);
  view_.SetActive(true);
  ProcessEventsFor(150);
  EXPECT_FALSE(view_.Click(5, 5));  // outside

  ASSERT_TRUE(view_.Click(kRect.center().x(), kRect.center().y()));
  EXPECT_TRUE(view_.Frozen);
  EXPECT_TRUE(view_.UserPaused);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPaused);
  EXPECT_EQ(view_.FramePicture.size(), kRect.size());
  // The skin holds the frame now, and the window shows it from there.
  const QColor frame = SkinAt(kRect.center());
  EXPECT_GT(frame.blue(), 150);
  EXPECT_FALSE(Surface()->isVisible());
  EXPECT_EQ(ShownAt(kRect.center()), frame);

  ASSERT_TRUE(view_.Click(kRect.center().x(), kRect.center().y()));
  EXPECT_FALSE(view_.Frozen);
  EXPECT_FALSE(view_.UserPaused);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPlaying);
  EXPECT_TRUE(Surface()->isVisible());
}

TEST_F(MyAviPlayer, AFrozenViewResumesUnlessTheReaderPausedIt) {
  SetUpView(car_);
  view_.SetActive(true);
  ProcessEventsFor(100);
  view_.Freeze();  // leaving the screen
  EXPECT_TRUE(view_.Frozen);
  EXPECT_FALSE(view_.UserPaused);
  QImage canvas(host_.size(), QImage::Format_RGB32);
  canvas.fill(Qt::white);
  view_.PaintFrozen(canvas);
  EXPECT_EQ(canvas.pixelColor(kRect.center()), view_.FramePicture.pixelColor(kRect.width() / 2, kRect.height() / 2));
  EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::white));

  view_.ResumeUnlessPaused();
  EXPECT_FALSE(view_.Frozen);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPlaying);
  EXPECT_EQ(SkinAt(kRect.center()), kSkin);  // the still picture under the video again

  view_.Click(kRect.center().x(), kRect.center().y());  // the reader pauses it
  view_.Freeze();
  view_.ResumeUnlessPaused();
  EXPECT_TRUE(view_.Frozen);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPaused);
}

TEST_F(MyAviPlayer, TwoDBringsTheStillPictureBack) {
  SetUpView(car_);
  view_.SetActive(true);
  ProcessEventsFor(100);
  view_.SetActive(false);
  EXPECT_FALSE(view_.Active);
  EXPECT_TRUE(view_.Frozen);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPaused);
  EXPECT_EQ(SkinAt(kRect.center()), kSkin);
  EXPECT_EQ(ShownAt(kRect.center()), kSkin);
  EXPECT_FALSE(view_.Click(kRect.center().x(), kRect.center().y()));  // the view is off
}

TEST_F(MyAviPlayer, TheVideoLoops) {
  SetUpView(folder_.Write("short.avi", ColourAvi(3, 10)));
  view_.SetActive(true);
  const int opened = view_.Player->DeviceID();
  // The 300 ms clip starts again from its beginning on the same device: its position goes back.
  int last = 0;
  bool wentBack = false;
  ProcessEventsUntil(
      [&] {
        const int now = view_.Player->Position();
        wentBack = wentBack || now < last;
        last = now;
        return wentBack;
      },
      3000);
  EXPECT_TRUE(wentBack);
  EXPECT_EQ(view_.Player->DeviceID(), opened);
  ProcessEventsFor(50);
  EXPECT_EQ(view_.Player->Mode(), TMPMode::mpPlaying);
}

TEST_F(MyAviPlayer, WhatCannotStartLeavesTheSkin) {
  TMyAviPlayer none(host_);
  none.Setup(nullptr, &host_, kRect, car_);
  none.Setup(&host_, &host_, kRect, "  ");
  EXPECT_FALSE(none.Player);

  EXPECT_THROW(SetUpView("d:\\missing.avi"), EMCIDeviceError);
  EXPECT_THROW(view_.SetActive(true), EMCIDeviceError);
  EXPECT_FALSE(view_.Active);
  EXPECT_TRUE(view_.IsIdle());  // nothing is open to wait for
  EXPECT_EQ(ShownAt(kRect.center()), kSkin);

  TTestMediaHost hidden;
  TMyAviPlayer offscreen(hidden);
  offscreen.Setup(&hidden, &hidden, kRect, car_);
  offscreen.SetActive(true);  // a window nobody sees plays nothing
  EXPECT_FALSE(offscreen.Active);
  EXPECT_EQ(offscreen.Player->Mode(), TMPMode::mpStopped);
}

TEST_F(MyAviPlayer, ShutdownLetsTheVideoGo) {
  SetUpView(car_);
  view_.SetActive(true);
  view_.Shutdown();
  EXPECT_FALSE(view_.Player);
  ProcessEventsFor(50);
  EXPECT_FALSE(Surface());
}

}  // namespace
