#include "app/Folders.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/BookFixture.h"
#include "tools/ScaleBar.h"

#include <gtest/gtest.h>
#include <QImage>

namespace {

const QColor kEmpty(90, 90, 90);
const QColor kFull(0, 0, 220);

class ScaleBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    book_.Picture(TScaleBar::EmptyBarName, {100, 10}, kEmpty);
    book_.Picture(TScaleBar::FullBarName, {100, 10}, kFull);
    ApplyFolders(ComputeFolders(book_.Folder()));
    Global.CurrentScreen = 0;
    dialog_.fill(Qt::black);
  }

  bool DialogUntouched() const {
    QImage black(dialog_.size(), dialog_.format());
    black.fill(Qt::black);
    return dialog_ == black;
  }

  TSavedGlobals saved_;
  TBookFixture book_;
  QImage dialog_{200, 100, QImage::Format_RGB32};
};

}  // namespace

TEST_F(ScaleBarTest, PicturesAreHeldWhileTheSecondScreenIsShown) {
  TScaleBar bar;  // made on the first screen: nothing loaded yet
  EXPECT_TRUE(bar.EmptyBar().isNull());
  EXPECT_EQ(bar.LastScreen(), 0);
  EXPECT_EQ(bar.BarLength(), -TScaleBar::X);

  struct Step {
    int screen;
    bool loaded;
  };
  // Leaving screen 1 keeps the pictures until a second PrepareBar on the same other screen.
  const Step steps[] = {{1, true}, {0, true}, {0, false}, {2, false}, {1, true}, {1, true}, {2, true}, {2, false}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.screen);
    Global.CurrentScreen = step.screen;
    bar.PrepareBar();
    EXPECT_EQ(bar.LastScreen(), step.screen);
    EXPECT_EQ(!bar.EmptyBar().isNull(), step.loaded);
    EXPECT_EQ(!bar.FullBar().isNull(), step.loaded);
  }
  EXPECT_EQ(bar.BarLength(), 100);
  EXPECT_EQ(bar.Right(), TScaleBar::X + 100);
  EXPECT_EQ(bar.Bottom(), TScaleBar::Y + 10);
}

TEST_F(ScaleBarTest, StepsFillTheDialogBarColumnByColumn) {
  TScaleBar bar;
  bar.SetDialog(&dialog_, nullptr);
  Global.CurrentScreen = 1;
  bar.StepBar();
  bar.PrepareBar();  // draws the empty bar and starts it again
  EXPECT_EQ(bar.FilledLength(), 0);
  EXPECT_EQ(dialog_.pixelColor(TScaleBar::X, TScaleBar::Y), kEmpty);
  EXPECT_EQ(dialog_.pixelColor(TScaleBar::X + 99, TScaleBar::Y + 9), kEmpty);
  EXPECT_EQ(dialog_.pixelColor(TScaleBar::X + 100, TScaleBar::Y), QColor(Qt::black));

  for (int i = 0; i < 3; ++i) bar.StepBar();
  EXPECT_EQ(bar.FilledLength(), 3);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(dialog_.pixelColor(TScaleBar::X + x, TScaleBar::Y + 9), kFull);
  EXPECT_EQ(dialog_.pixelColor(TScaleBar::X + 3, TScaleBar::Y), kEmpty);

  bar.ResetBar();
  EXPECT_EQ(bar.FilledLength(), 0);
  EXPECT_EQ(dialog_.pixelColor(TScaleBar::X, TScaleBar::Y), kEmpty);

  // Beyond the bar's end there is nothing to copy.
  for (int i = 0; i < 150; ++i) bar.StepBar();
  EXPECT_EQ(bar.FilledLength(), 150);
  EXPECT_EQ(dialog_.pixelColor(TScaleBar::X + 100, TScaleBar::Y), QColor(Qt::black));
}

TEST_F(ScaleBarTest, OffTheSecondScreenStepsOnlyAdvance) {
  TScaleBar bar;
  bar.SetDialog(&dialog_, nullptr);
  Global.CurrentScreen = 1;
  bar.PrepareBar();
  Global.CurrentScreen = 0;
  dialog_.fill(Qt::black);
  bar.StepBar();
  bar.StepBar();
  bar.ResetBar();
  bar.StepBar();
  EXPECT_EQ(bar.FilledLength(), 1);
  EXPECT_TRUE(DialogUntouched());
}

TEST_F(ScaleBarTest, MissingPicturesLeaveTheBarUndrawn) {
  const TempDir empty;
  ApplyFolders(ComputeFolders(empty.Path()));
  TScaleBar bar;
  bar.SetDialog(&dialog_, nullptr);
  Global.CurrentScreen = 1;
  bar.PrepareBar();
  EXPECT_EQ(bar.BarLength(), 0);
  bar.StepBar();
  bar.ResetBar();
  EXPECT_TRUE(DialogUntouched());
}

TEST_F(ScaleBarTest, WithoutDialogNothingIsDrawnAndPrepareKeepsTheFill) {
  TScaleBar bar;
  Global.CurrentScreen = 1;
  bar.StepBar();
  bar.PrepareBar();
  EXPECT_EQ(bar.FilledLength(), 1);
  bar.StepBar();
  EXPECT_EQ(bar.FilledLength(), 2);
}
