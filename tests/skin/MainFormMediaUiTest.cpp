// The main window's media: the 3D view driven by its switches, clicks and screen changes, the
// start clip before the window shows, the background music from start to end.

#include "app/Settings.h"
#include "media/BackgroundMusic.h"
#include "media/MyAviPlayer.h"
#include "media/Sound.h"
#include "media/StartClip.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"
#include "support/ui/SkinFixture.h"

#include <gtest/gtest.h>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace SkinColors;

namespace {

const QPoint kStill(320, 30);        // grouped switch 0 of screen 0: "2d"
const QPoint kTurning(370, 30);      // grouped switch 1: "3d"
const QPoint kInView(359, 264);      // inside the 3D view's rectangle
const QPoint kScreenButton(60, 35);  // "screen2" on screen 0, "screen1" on screen 1

void Click(TMainForm& form, QPoint at) {
  QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, at);
}

class MainFormMedia : public ::testing::Test {
 protected:
  void WriteBook(const QStringList& extraLines = {}) {
    TTestSkinCommands commands;
    commands.group0 = "2d";
    commands.group1 = "3d";
    commands.extraLines = extraLines;
    WriteTestSkin(book_, UniqueTitle("media"), commands);
    book_.File("car.avi", ColourAvi(20, 10, {80, 60}, QColor(0, 0, 230)));
  }

  TSavedGlobals saved_;
  TBookFixture book_;
};

TEST_F(MainFormMedia, TheCarTurnsFreezesOffScreenAndTurnsAgainWhenTheReaderComesBack) {
  WriteBook();
  const auto form = OpenBook(book_);
  EXPECT_FALSE(form->Clip3d);
  form->RunCommand("2d", {}, 0, TMainForm::TKind::Button, true);  // no view yet: nothing
  EXPECT_FALSE(form->Clip3d);

  Click(*form, kTurning);
  ASSERT_TRUE(form->Clip3d);
  TMyAviPlayer& view = *form->Clip3d;
  EXPECT_TRUE(view.Active);
  EXPECT_EQ(view.Rect, QRect(QPoint(31, 135), QPoint(686, 393)));
  EXPECT_EQ(view.Player->Mode(), TMPMode::mpPlaying);
  ProcessEventsFor(150);
  EXPECT_GT(form->Snapshot().pixelColor(kInView).blue(), 150);

  // A click on the video pauses it with its frame kept, another resumes it.
  Click(*form, kInView);
  EXPECT_TRUE(view.Frozen);
  EXPECT_TRUE(view.UserPaused);
  EXPECT_GT(form->BackgroundBitmap.pixelColor(kInView).blue(), 150);
  Click(*form, kInView);
  EXPECT_FALSE(view.Frozen);
  EXPECT_EQ(view.Player->Mode(), TMPMode::mpPlaying);

  // Off to the second screen: the view freezes; back on the first it plays again shortly.
  Click(*form, kScreenButton);
  ASSERT_EQ(Global.CurrentScreen, 1);
  EXPECT_TRUE(view.Frozen);
  EXPECT_FALSE(view.UserPaused);
  Click(*form, kScreenButton);
  ASSERT_EQ(Global.CurrentScreen, 0);
  EXPECT_TRUE(form->Restart3dPending());
  ASSERT_TRUE(ProcessEventsUntil([&] { return !view.Frozen; }, 2000));
  EXPECT_EQ(view.Player->Mode(), TMPMode::mpPlaying);

  // "3d" again only switches on the view there is; "2d" brings the still picture back.
  form->RunCommand("3d", {}, 0, TMainForm::TKind::Button, true);
  EXPECT_EQ(form->Clip3d.get(), &view);
  Click(*form, kStill);
  EXPECT_FALSE(view.Active);
  ProcessEventsFor(50);
  EXPECT_EQ(form->Snapshot().pixelColor(kInView), kBackground);

  const QJsonObject clip3d = form->StateForDump()["clip3d"].toObject();
  EXPECT_TRUE(clip3d["exists"].toBool());
  EXPECT_FALSE(clip3d["active"].toBool());
  EXPECT_TRUE(clip3d["frozen"].toBool());
}

TEST_F(MainFormMedia, APausedViewStaysPausedWhenTheReaderComesBack) {
  WriteBook();
  const auto form = OpenBook(book_);
  Click(*form, kTurning);
  Click(*form, kInView);
  Click(*form, kScreenButton);
  Click(*form, kScreenButton);
  ProcessEventsFor(300);
  EXPECT_TRUE(form->Clip3d->Frozen);
  EXPECT_EQ(form->Clip3d->Player->Mode(), TMPMode::mpPaused);
}

TEST_F(MainFormMedia, TheStartClipPlaysBeforeTheWindowShowsUnlessTheReaderTurnedItOff) {
  WriteBook({"rolic=intro.avi"});
  book_.File("intro.avi", ColourAvi(6, 10));
  auto form = std::make_unique<TMainForm>(ParseCommandLine({"--book", book_.Folder()}));
  book_.IsolateSettings();
  QSignalSpy opened(form.get(), &TMainForm::OpeningFinished);
  form->FormCreate();
  ASSERT_NE(form->StartClip(), nullptr);
  EXPECT_FALSE(form->isVisible());
  ASSERT_TRUE(ProcessEventsUntil([&] { return opened.count() > 0; }, 10000));
  EXPECT_EQ(form->StartClip(), nullptr);
  EXPECT_TRUE(form->isVisible());
  form.reset();

  TBookSettings().Write(Settings::Clip, 0);
  form = std::make_unique<TMainForm>(ParseCommandLine({"--book", book_.Folder()}));
  form->FormCreate();
  EXPECT_EQ(form->StartClip(), nullptr);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(MainFormMedia, TheMusicPlaysFromTheStartAndKeepsItsPlaceWhenTheWindowGoes) {
  WriteBook({"bgsounddef=[song.wav]"});
  book_.File("song.wav", ToneWav(4000));
  auto form = OpenBook(book_);
  ASSERT_TRUE(form->Music);
  EXPECT_TRUE(Global.Options.BGSound);
  EXPECT_EQ(form->Music->MusicPlayer.Mode(), TMPMode::mpPlaying);
  const QJsonObject media = form->StateForDump()["media"].toObject();
  EXPECT_TRUE(media["musicOn"].toBool());
  EXPECT_EQ(media["mode"].toString(), "notReady");
  ProcessEventsFor(300);
  form.reset();
  const TBookSettings stored;
  EXPECT_EQ(stored.Read(Settings::BGSoundSong), 0);
  EXPECT_GT(stored.Read(Settings::BGSoundPos), 200);
}

TEST_F(MainFormMedia, WithoutSongsTheMusicIsOffInMemoryOnly) {
  WriteBook();
  const auto form = OpenBook(book_);
  EXPECT_FALSE(Global.Options.BGSound);
  EXPECT_EQ(TBookSettings().Read(Settings::BGSound), 1);
  EXPECT_EQ(form->Music->MusicPlayer.DeviceID(), 0);
}

}  // namespace
