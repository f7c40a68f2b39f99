// The background music: cycling through its songs, where it stops and starts again, fades.

#include "media/BackgroundMusic.h"

#include "app/Settings.h"
#include "platform/Globals.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>

#include <atomic>

namespace {

class TQuietOutput : public TVolumeControl {
 public:
  explicit TQuietOutput(bool control) : control_(control) {}
  bool HasVolumeControl() const override { return control_; }
  std::uint32_t Volume() const override { return volume_; }
  void SetVolume(std::uint32_t leftRight) override { volume_ = leftRight; }

 private:
  bool control_;
  std::atomic<std::uint32_t> volume_{0x07D007D0};  // 2000 on both sides: a short fade
};

class BackgroundMusic : public ::testing::Test {
 protected:
  std::vector<std::string> Songs(std::initializer_list<int> lengthsMs) {
    std::vector<std::string> songs;
    int i = 0;
    for (int ms : lengthsMs) songs.push_back(folder_.Write("song" + std::to_string(++i) + ".wav", ToneWav(ms)));
    return songs;
  }

  TMediaFolder folder_;
};

TEST_F(BackgroundMusic, ASingleSongPlaysAgainFromItsStart) {
  TBackgroundMusic music(nullptr, Songs({300}));
  music.RestoreMusic();
  ASSERT_TRUE(Global.Options.BGSound);
  ASSERT_EQ(music.MusicPlayer.Mode(), TMPMode::mpPlaying);
  int opened = music.MusicPlayer.DeviceID();
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(ProcessEventsUntil([&] { return music.MusicPlayer.DeviceID() != opened; }, 5000)) << round;
    opened = music.MusicPlayer.DeviceID();
    EXPECT_EQ(music.SongIndex, 0);
    EXPECT_EQ(music.MusicPlayer.Mode(), TMPMode::mpPlaying);
    EXPECT_LT(music.MusicPlayer.Position(), 200);
  }
}

TEST_F(BackgroundMusic, SongsFollowEachOtherInACycle) {
  const auto songs = Songs({200, 200});
  TBackgroundMusic music(nullptr, songs);
  music.RestoreMusic();
  for (const int expected : {1, 0, 1}) {
    ASSERT_TRUE(ProcessEventsUntil([&] { return music.SongIndex == expected; }, 5000)) << expected;
    EXPECT_EQ(music.MusicPlayer.FileName, songs[static_cast<size_t>(expected)]);
  }
}

TEST_F(BackgroundMusic, StartsWhereItWasStoppedAndForgetsASongNoLongerListed) {
  TBackgroundMusic music(nullptr, Songs({300, 1500}));
  {
    TBookSettings settings;
    settings.Write(Settings::BGSoundSong, 1);
    settings.Write(Settings::BGSoundPos, 600);
  }
  music.RestoreMusic();
  EXPECT_EQ(music.SongIndex, 1);
  EXPECT_GE(music.MusicPlayer.Position(), 600);
  ProcessEventsFor(100);
  music.SaveMusic(false);
  EXPECT_EQ(music.MusicPlayer.DeviceID(), 0);
  const TBookSettings stored;
  EXPECT_EQ(stored.Read(Settings::BGSoundSong), 1);
  EXPECT_GT(stored.Read(Settings::BGSoundPos), 600);

  // The list changed between two runs: the first song plays from its beginning.
  TBookSettings().Write(Settings::BGSoundSong, 7);
  music.RestoreMusic();
  EXPECT_EQ(music.SongIndex, 0);
  EXPECT_LT(music.MusicPlayer.Position(), 100);
  EXPECT_EQ(music.MusicPlayer.Mode(), TMPMode::mpPlaying);
}

TEST_F(BackgroundMusic, AStoredSongWithoutPositionKeepsThePositionInMemory) {
  TBackgroundMusic music(nullptr, Songs({300, 1500}));
  music.SavedPosition = 400;
  TBookSettings().Write(Settings::BGSoundSong, 1);
  music.RestoreMusic();
  EXPECT_EQ(music.SongIndex, 1);
  EXPECT_GE(music.MusicPlayer.Position(), 400);
}

TEST_F(BackgroundMusic, ASongThatCannotPlaySwitchesTheMusicOff) {
  TBackgroundMusic music(nullptr, {"d:\\missing.wav"});
  music.RestoreMusic();
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(music.MusicPlayer.DeviceID(), 0);
}

TEST_F(BackgroundMusic, FadingOutWaitsForTheFadeAndPutsTheVolumeBack) {
  TQuietOutput output(true);
  TBackgroundMusic music(nullptr, Songs({3000}), &output);
  music.RestoreMusic();
  ProcessEventsFor(500);  // the fade in is over
  ASSERT_EQ(output.Volume(), 0x07D007D0u);
  QElapsedTimer clock;
  clock.start();
  music.SaveMusic(true);
  // 2000 down to 0 takes about 300 ticks of 1 ms; the wait ends with the fade.
  EXPECT_GE(clock.elapsed(), 250);
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_EQ(music.MusicPlayer.DeviceID(), 0);
  EXPECT_EQ(output.Volume(), 0x07D007D0u);
}

TEST_F(BackgroundMusic, WithoutVolumeControlFadingOutDoesNotWait) {
  TQuietOutput output(false);
  TBackgroundMusic music(nullptr, Songs({3000}), &output);
  music.RestoreMusic();
  ASSERT_EQ(music.MusicPlayer.Mode(), TMPMode::mpPlaying);
  QElapsedTimer clock;
  clock.start();
  music.SaveMusic(true);
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(music.MusicPlayer.DeviceID(), 0);
}

TEST_F(BackgroundMusic, ToggleSwitchesOffAndOnAndStoresTheChoice) {
  TQuietOutput output(true);
  TBackgroundMusic music(nullptr, Songs({3000}), &output);
  TMPlayer page;
  page.FileName = folder_.Write("page.wav", ToneWav(2000));
  page.Open();
  music.RestoreMusic();

  music.ToggleMusic(page);
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(music.MusicPlayer.DeviceID(), 0);
  EXPECT_NE(page.DeviceID(), 0);
  EXPECT_EQ(TBookSettings().Read(Settings::BGSound), 0);

  music.ToggleMusic(page);
  EXPECT_TRUE(Global.Options.BGSound);
  EXPECT_EQ(music.MusicPlayer.Mode(), TMPMode::mpPlaying);
  EXPECT_EQ(page.DeviceID(), 0);
  EXPECT_EQ(TBookSettings().Read(Settings::BGSound), 1);
}

}  // namespace
