#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/EventLoopWait.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"

#include <gtest/gtest.h>

namespace {

TDynamicTextArray StatusTexts() {
  RText status;
  status.ident = "statusline";
  status.number = 5;
  RText title;
  title.ident = "title";
  title.number = 1;
  title.value = "title";
  return {status, title};
}

class StatusLineTest : public ::testing::Test {
 protected:
  StatusLineTest() : texts_(nullptr, StatusTexts()) {
    Global.CurrentScreen = 0;
    status_.SetTextMsg(&texts_);
  }
  std::string Shown() const { return texts_.Elements()[0].text; }

  TSavedGlobals saved_;
  TTextMsg texts_;
  TStatusLine status_;
};

}  // namespace

TEST_F(StatusLineTest, MessageBlinksTwentyTimesAndEndsHidden) {
  status_.SetStatus("first");
  EXPECT_EQ(Shown(), "first");
  for (int i = 0; i < 5; ++i) status_.TimerTick();

  // A second message starts the blinking over.
  status_.SetStatus("second");
  EXPECT_EQ(Shown(), "second");
  EXPECT_EQ(status_.Phase(), 1);
  EXPECT_TRUE(status_.Blinking());

  int shown = 1;
  int ticks = 0;
  std::string last = Shown();
  while (status_.Blinking() && ticks < 100) {
    status_.TimerTick();
    ++ticks;
    if (Shown() != last && Shown() == "second") ++shown;
    last = Shown();
  }
  EXPECT_EQ(shown, 20);
  // 39 changes of 200 ms each (7.8 s), then the tick that stops the timer.
  EXPECT_EQ(ticks, 40);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(status_.Text(), "second");
  EXPECT_EQ(texts_.Texts()[1], "title");
}

TEST_F(StatusLineTest, TimerDrivesTheBlinking) {
  status_.SetStatus("message");
  EXPECT_TRUE(ProcessEventsUntil([&] { return status_.Phase() >= 2; }, 5000));
  EXPECT_EQ(Shown(), "");
}

TEST_F(StatusLineTest, ClearStatusStopsAndHides) {
  status_.SetStatus("message");
  status_.TimerTick();
  status_.TimerTick();
  status_.ClearStatus();
  EXPECT_FALSE(status_.Blinking());
  EXPECT_EQ(status_.Text(), "");
  EXPECT_EQ(status_.Phase(), 1);
  EXPECT_EQ(Shown(), "");
}

TEST(StatusLine, WithoutTextElementsNothingHappens) {
  TStatusLine status;
  status.SetStatus("message");
  EXPECT_FALSE(status.Blinking());
  EXPECT_EQ(status.Text(), "");
}

TEST_F(StatusLineTest, ProgressStaysWithoutBlinkingUntilItEnds) {
  status_.SetStatus("message");
  status_.ShowProgress("unpacking", 40);
  EXPECT_FALSE(status_.Blinking());
  EXPECT_EQ(Shown(), "unpacking");
  EXPECT_EQ(texts_.Elements()[0].progress, 40);
  EXPECT_EQ(texts_.Elements()[1].progress, -1);
  status_.EndProgress();
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(texts_.Elements()[0].progress, -1);
}
