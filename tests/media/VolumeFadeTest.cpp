// The music's volume fade, stepped by hand and on its own timer thread.

#include "media/VolumeFade.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <vector>

namespace {

class TFakeVolume : public TVolumeControl {
 public:
  explicit TFakeVolume(std::uint32_t volume, bool control = true) : volume_(volume), control_(control) {}
  bool HasVolumeControl() const override { return control_; }
  std::uint32_t Volume() const override { return volume_; }
  void SetVolume(std::uint32_t leftRight) override {
    volume_ = leftRight;
    ++sets_;
  }
  int Left() const { return static_cast<int>(volume_ & 0xFFFF); }
  int Right() const { return static_cast<int>(volume_ >> 16); }
  int Sets() const { return sets_; }

 private:
  std::atomic<std::uint32_t> volume_;
  bool control_;
  std::atomic<int> sets_{0};
};

constexpr std::uint32_t Volume(int left, int right) {
  return static_cast<std::uint32_t>(left) | static_cast<std::uint32_t>(right) << 16;
}

// Ticks until the fade ends; returns how many ticks it took.
int RunToEnd(TVolumeFade& fade) {
  int ticks = 1;
  while (fade.Tick()) ++ticks;
  return ticks;
}

TEST(VolumeFade, StepsGrowWithTheLevel) {
  struct Case {
    int level, step;
  };
  for (const Case c : {Case{0, 3},
                       {100, 3},
                       {101, 7},
                       {4000, 7},
                       {4001, 15},
                       {8000, 15},
                       {8001, 25},
                       {32000, 25},
                       {32001, 50},
                       {65535, 50}})
    EXPECT_EQ(TVolumeFade::Step(c.level), c.step) << c.level;
}

TEST(VolumeFade, AFullFadeOutTakesAbout2500TicksAndSignalsItsEnd) {
  TFakeVolume volume(Volume(65535, 65535));
  TAutoResetEvent ended("Adj_Volume");
  TVolumeFade fade(volume, ended);
  ASSERT_TRUE(fade.Prepare(false));
  EXPECT_FALSE(ended.Wait(0));
  const int ticks = RunToEnd(fade);
  EXPECT_GT(ticks, 2400);
  EXPECT_LT(ticks, 2600);
  EXPECT_EQ(volume.Volume(), 0u);
  EXPECT_TRUE(ended.Wait(0));
  EXPECT_EQ(fade.StartVolume(), Volume(65535, 65535));
}

TEST(VolumeFade, TheSofterChannelKeepsItsShare) {
  TFakeVolume volume(Volume(20000, 50000));  // ratio 2.5, rounded to 2 (half to even)
  TAutoResetEvent ended("Adj_Volume");
  TVolumeFade fade(volume, ended);
  ASSERT_TRUE(fade.Prepare(true));
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(fade.Tick());
  const int level = fade.Level();
  fade.Tick();
  EXPECT_EQ(volume.Right(), level);
  EXPECT_EQ(volume.Left(), level / 2);
  RunToEnd(fade);
  EXPECT_EQ(volume.Volume(), Volume(20000, 50000));  // the fade in ends exactly where it began

  TFakeVolume leftLouder(Volume(60000, 20000));  // ratio 3
  TVolumeFade other(leftLouder, ended);
  ASSERT_TRUE(other.Prepare(false));  // a fade out starts from the left level
  other.Tick();
  EXPECT_EQ(leftLouder.Left(), 60000);
  EXPECT_EQ(leftLouder.Right(), 20000);
  other.Tick();
  EXPECT_EQ(leftLouder.Left(), 59950);
  EXPECT_EQ(leftLouder.Right(), 59950 / 3);
}

TEST(VolumeFade, ASilentOutputCountsAsOne) {
  TFakeVolume volume(0);
  TAutoResetEvent ended("Adj_Volume");
  TVolumeFade fade(volume, ended);
  ASSERT_TRUE(fade.Prepare(true));
  EXPECT_EQ(RunToEnd(fade), 1);
  EXPECT_EQ(volume.Volume(), Volume(1, 1));
}

TEST(VolumeFade, AFadeAskedForDuringAnotherGoesOnFromTheLevelReached) {
  TFakeVolume volume(Volume(40000, 40000));
  TAutoResetEvent ended("Adj_Volume");
  TVolumeFade fade(volume, ended);
  ASSERT_TRUE(fade.Prepare(true));
  for (int i = 0; i < 300; ++i) fade.Tick();
  const int reached = fade.Level();
  ASSERT_GT(reached, 1000);

  ASSERT_TRUE(fade.Prepare(false));
  EXPECT_EQ(fade.Level(), reached);
  fade.Tick();
  EXPECT_EQ(volume.Left(), reached);
  RunToEnd(fade);
  EXPECT_EQ(volume.Volume(), 0u);
  EXPECT_TRUE(ended.Wait(0));
  // The volume to go back to is the one the first fade started from.
  EXPECT_EQ(fade.StartVolume(), Volume(40000, 40000));
}

TEST(VolumeFade, WithoutVolumeControlNothingHappens) {
  TFakeVolume volume(Volume(30000, 30000), false);
  TAutoResetEvent ended("Adj_Volume");
  TVolumeFade fade(volume, ended);
  EXPECT_FALSE(fade.Start(false));
  EXPECT_FALSE(fade.Running());
  EXPECT_EQ(volume.Sets(), 0);
}

TEST(VolumeFade, TheTimerThreadFadesOutAndSignals) {
  TFakeVolume volume(Volume(2000, 2000));
  TAutoResetEvent ended("Adj_Volume");
  TVolumeFade fade(volume, ended);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(fade.Start(false));
  ASSERT_TRUE(ended.Wait(5000));
  // 2000 down in steps of 7, then 3: about 300 ticks of 1 ms.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
  EXPECT_EQ(volume.Volume(), 0u);
  fade.Stop();
  EXPECT_FALSE(fade.Running());
}

}  // namespace
