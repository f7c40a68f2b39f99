#include "document/ImageTipRules.h"

#include <gtest/gtest.h>

namespace {

using TStep = TImageTipState::TStep;

TTipObject Picture(const QString& id, const QString& title) { return {true, true, id, title}; }
const TTipObject kNothing;

// Ticks until a step other than Nothing comes; returns the tick number it came on.
int TicksUntil(TImageTipState& state, const TTipObject& under, TStep step) {
  for (int tick = 1; tick <= 40; ++tick)
    if (state.Tick(under) == step) return tick;
  return -1;
}

TEST(ImageTipRules, ShowsOnTheSecondTickAndHidesOnTheTwentyFirst) {
  TImageTipState state;
  const TTipObject car = Picture("car.jpg", "Автомобиль");
  EXPECT_TRUE(state.MouseMove(car, false));
  EXPECT_EQ(state.Tick(car), TStep::Nothing);
  EXPECT_EQ(state.Tick(car), TStep::Show);
  EXPECT_TRUE(state.Showing());
  EXPECT_EQ(state.Remembered(), "car.jpg");
  EXPECT_EQ(TicksUntil(state, car, TStep::Hide), 19);  // tick 21 in all
  EXPECT_FALSE(state.Showing());
  // The same picture again does not start the timer until the mouse has left it.
  EXPECT_FALSE(state.MouseMove(car, false));
  EXPECT_FALSE(state.MouseMove(kNothing, false));
  EXPECT_TRUE(state.MouseMove(car, false));
}

TEST(ImageTipRules, TimerStartsOnlyForAnotherTitledPictureWhileIdle) {
  TImageTipState state;
  EXPECT_FALSE(state.MouseMove(Picture("a.jpg", ""), false));
  EXPECT_FALSE(state.MouseMove(Picture("a.jpg", "A"), true));
  EXPECT_FALSE(state.MouseMove({true, false, "table", "x"}, false));
  EXPECT_TRUE(state.MouseMove(Picture("a.jpg", "A"), false));
}

TEST(ImageTipRules, LeavingThePictureHides) {
  TImageTipState state;
  const TTipObject a = Picture("a.jpg", "A");
  state.MouseMove(a, false);
  state.Tick(a);
  EXPECT_EQ(state.Tick(a), TStep::Show);
  EXPECT_EQ(state.Tick(kNothing), TStep::Hide);
  EXPECT_EQ(state.Remembered(), "");
}

TEST(ImageTipRules, AnotherPictureRestartsTheTipsLife) {
  TImageTipState state;
  const TTipObject a = Picture("a.jpg", "A"), b = Picture("b.jpg", "B");
  state.MouseMove(a, false);
  state.Tick(a);
  EXPECT_EQ(state.Tick(a), TStep::Show);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(state.Tick(a), TStep::Nothing);
  EXPECT_EQ(state.Tick(b), TStep::Show);
  EXPECT_EQ(state.Counter(), TImageTipState::kShowTick);
  EXPECT_EQ(state.Remembered(), "b.jpg");
  EXPECT_EQ(state.Tick(Picture("c.jpg", "")), TStep::Hide);  // an untitled picture
}

}  // namespace
