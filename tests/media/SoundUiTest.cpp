// The page media player: what the end of an item does, the music it interrupts, steps,
// clips in their panels.

#include "media/Sound.h"

#include "media/BackgroundMusic.h"
#include "platform/Globals.h"
#include "platform/ui/VideoSurface.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"
#include "support/ui/TestMediaHost.h"

#include <gtest/gtest.h>
#include <QTest>

namespace {

RClip Panel(int screen, QRect r, int html) {
  RClip clip;
  clip.screen = screen;
  clip.vx = r.left();
  clip.vy = r.top();
  clip.vw = r.left() + r.width();
  clip.vh = r.top() + r.height();
  clip.bgcolor = 0x00FF00;  // green in the book's order (red in the low byte)
  clip.html = html;
  return clip;
}

class Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.show();
    song_ = folder_.Write("song.wav", ToneWav(5000));
    Global.Options.BGSound = false;
  }
  std::unique_ptr<TBackgroundMusic> PlayingMusic() {
    auto music = std::make_unique<TBackgroundMusic>(nullptr, std::vector{song_});
    Global.Options.BGSound = true;
    music->RestoreMusic();
    return music;
  }
  bool WaitUntilClosed(TSound& sound) {
    return ProcessEventsUntil([&] { return sound.DeviceID() == 0; }, 5000);
  }

  TMediaFolder folder_;
  TTestMediaHost host_;
  std::string song_;
};

TEST_F(Sound, ASoundClosesAtItsEndWhenTheMusicWasOff) {
  TSound sound(host_, {}, nullptr, 0);
  sound.PlayMedia(folder_.Write("a.wav", ToneWav(300)), "", 3);
  EXPECT_EQ(sound.EndAction, 4);
  EXPECT_EQ(sound.Mode(), TMPMode::mpPlaying);
  EXPECT_TRUE(WaitUntilClosed(sound));
}

TEST_F(Sound, ASoundStopsTheMusicAndTheMusicComesBackAtItsEnd) {
  auto music = PlayingMusic();
  ASSERT_EQ(music->MusicPlayer.Mode(), TMPMode::mpPlaying);
  TSound sound(host_, {}, music.get(), 0);
  sound.PlayMedia(folder_.Write("a.wav", ToneWav(300)), "", 3);
  EXPECT_EQ(sound.EndAction, 5);
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(music->MusicPlayer.DeviceID(), 0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return music->MusicPlayer.Mode() == TMPMode::mpPlaying; }, 5000));
  EXPECT_TRUE(Global.Options.BGSound);
  EXPECT_NE(sound.DeviceID(), 0);  // the sound's device stays open
}

TEST_F(Sound, ASoundDuringAnotherClosesTheItemAtItsEndAndLeavesTheMusicOff) {
  auto music = PlayingMusic();
  TSound sound(host_, {}, music.get(), 0);
  sound.PlayMedia(folder_.Write("long.wav", ToneWav(3000)), "", 0);
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(sound.EndAction, 0);
  sound.PlayMedia(folder_.Write("short.wav", ToneWav(300)), "", 3);
  EXPECT_EQ(sound.EndAction, 3);
  ASSERT_TRUE(WaitUntilClosed(sound));
  EXPECT_EQ(sound.EndAction, 0);
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(music->MusicPlayer.DeviceID(), 0);
}

TEST_F(Sound, PlayStopsTheMusicInMemoryOnlyAndClosesTheItem) {
  auto music = PlayingMusic();
  TSound sound(host_, {}, music.get(), 0);
  sound.PlayMedia(folder_.Write("a.wav", ToneWav(2000)), "", 3);
  Global.Options.BGSound = true;  // the reader switched it on again meanwhile
  sound.PlayMedia("", "", 0);
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(sound.DeviceID(), 0);
  EXPECT_EQ(music->MusicPlayer.DeviceID(), 0);
}

TEST_F(Sound, PauseTwiceResumesWithoutAnEndAction) {
  TSound sound(host_, {}, nullptr, 0);
  sound.PlayMedia(folder_.Write("a.wav", ToneWav(400)), "", 3);
  for (TMPMode expected : {TMPMode::mpPaused, TMPMode::mpPlaying}) {
    sound.SetNotify(false);
    sound.Pause();
    EXPECT_EQ(sound.Mode(), expected);
  }
  ASSERT_TRUE(ProcessEventsUntil([&] { return sound.Mode() == TMPMode::mpStopped; }, 5000));
  ProcessEventsFor(100);
  EXPECT_NE(sound.DeviceID(), 0);  // EndAction 4 did not run
}

TEST_F(Sound, StepsJumpTenSecondsWithinTheItem) {
  TSound sound(host_, {}, nullptr, 0);
  sound.PlayMedia(folder_.Write("a.wav", ToneWav(12000)), "", 3);
  sound.Stop();
  sound.Seek(6000);
  sound.StepBack();  // within the first ten seconds: to the beginning
  EXPECT_LT(sound.Position(), 300);
  EXPECT_EQ(sound.Mode(), TMPMode::mpPlaying);
  sound.Stop();
  sound.Seek(11000);
  sound.StepBack();
  EXPECT_GE(sound.Position(), 1000);
  EXPECT_LT(sound.Position(), 1300);
  sound.StepForward();  // near the end: to the end, which ends the item at once
  EXPECT_TRUE(WaitUntilClosed(sound));
}

TEST_F(Sound, AClipPlaysInThePanelOfTheScreenShownWithItsDocument) {
  TSound sound(host_, {Panel(0, {200, 40, 80, 60}, 3), Panel(1, {10, 10, 80, 60}, 4), Panel(1, {100, 10, 80, 60}, 5)},
               nullptr, 1);
  ASSERT_EQ(sound.VideoPanels.size(), 3u);
  EXPECT_FALSE(sound.VideoPanels[0]->isVisible());
  EXPECT_TRUE(sound.VideoPanels[1]->isVisible());
  EXPECT_EQ(sound.VideoPanels[1]->geometry(), QRect(10, 10, 80, 60));
  EXPECT_EQ(host_.grab().toImage().pixelColor(20, 20), QColor(0, 255, 0));

  sound.PlayMedia(folder_.Write("clip.avi", ColourAvi(4, 10)), "d:\\about.htm", 4);
  EXPECT_EQ(sound.Display(), sound.VideoPanels[1]);
  EXPECT_EQ(host_.shown, (std::vector<std::pair<int, std::string>>{{4, "d:\\about.htm"}}));
  EXPECT_EQ(sound.VideoPanels[1]->findChildren<TVideoSurface*>().size(), 1u);
  EXPECT_TRUE(WaitUntilClosed(sound));

  // A screen without a panel keeps the display and shows no document.
  sound.ScreenChanged(2);
  sound.PlayMedia(folder_.Write("clip2.avi", ColourAvi(3, 10)), "d:\\other.htm", 4);
  EXPECT_EQ(sound.Display(), sound.VideoPanels[1]);
  EXPECT_EQ(host_.shown.size(), 1u);
}

TEST_F(Sound, ScreenChangesShowTheirPanelsAndThePointerOverOneLeavesTheSkin) {
  TSound sound(host_, {Panel(0, {10, 10, 50, 50}, 1), Panel(1, {100, 10, 50, 50}, 1)}, nullptr, 0);
  EXPECT_TRUE(sound.VideoPanels[0]->isVisible());
  sound.ScreenChanged(0);
  EXPECT_TRUE(sound.VideoPanels[0]->isVisible());
  sound.ScreenChanged(1);
  EXPECT_FALSE(sound.VideoPanels[0]->isVisible());
  EXPECT_TRUE(sound.VideoPanels[1]->isVisible());
  EXPECT_EQ(sound.LastScreen, 1);

  QTest::mouseMove(sound.VideoPanels[1], QPoint(20, 20));
  EXPECT_GT(host_.pointerLeft, 0);
}

}  // namespace
