// The media device wrapper on real files made at test time: flag rules, reports, errors.

#include "media/MPlayer.h"

#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "support/PackBuilder.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QWidget>

#include <vector>

namespace {

class MPlayer : public ::testing::Test {
 protected:
  void SetUp() override {
    player_.OnNotify = [this](TMPlayer* sender) { reports_.push_back(sender->NotifyValue()); };
  }

  // Opens a tone of `ms` milliseconds.
  void OpenTone(int ms, const std::string& name = "tone.wav") {
    player_.FileName = folder_.Write(name, ToneWav(ms));
    player_.Open();
  }
  bool WaitForReports(size_t count, int timeoutMs = 5000) {
    return ProcessEventsUntil([&] { return reports_.size() >= count; }, timeoutMs);
  }

  TMediaFolder folder_;
  TMPlayer player_;
  std::vector<TMPNotifyValue> reports_;
};

TEST_F(MPlayer, OpenFailuresCarryTheirErrorNumbersAndLeaveThePlayerClosed) {
  folder_.Write("damaged.avi", QByteArray("RIFF\x10\0\0\0AVI junk that decodes to nothing at all", 48));
  folder_.Write("empty.wav", {});
  // A member of the pack whose bytes were cut off after the pack was opened cannot be read.
  QByteArray tone = ToneWav(200);
  const QString pack = WritePack(folder_.Dir(), {{"packed.wav", tone.toStdString()}});
  PackOpenHostFile(pack);
  PackSetRoot("d:\\");
  QFile(pack).resize(QFile(pack).size() - 1);

  struct Case {
    std::string file;
    int error;
  };
  for (const Case& c : std::vector<Case>{{"", Mci::kFileNotFound},
                                         {"d:\\missing.wav", Mci::kFileNotFound},
                                         {"d:\\damaged.avi", Mci::kInvalidFile},
                                         {"d:\\empty.wav", Mci::kInvalidFile},
                                         {"d:\\packed.wav", Mci::kFileRead}}) {
    player_.FileName = c.file;
    try {
      player_.Open();
      ADD_FAILURE() << c.file << " opened";
    } catch (const EMCIDeviceError& e) {
      EXPECT_EQ(player_.Error(), c.error) << c.file;
      EXPECT_EQ(std::string(e.what()), player_.ErrorMessage()) << c.file;
    }
    EXPECT_EQ(player_.DeviceID(), 0) << c.file;
    EXPECT_EQ(player_.Mode(), TMPMode::mpNotReady) << c.file;
  }
  PackClose();
}

TEST_F(MPlayer, AClosedPlayerRefusesWhatNeedsADeviceAndAnswersTheRest) {
  const std::vector<std::pair<const char*, std::function<void()>>> refused = {
      {"Play", [&] { player_.Play(); }},           {"Stop", [&] { player_.Stop(); }},
      {"PauseOnly", [&] { player_.PauseOnly(); }}, {"Resume", [&] { player_.Resume(); }},
      {"Pause", [&] { player_.Pause(); }},         {"Seek", [&] { player_.Seek(0); }},
      {"Length", [&] { player_.Length(); }},
  };
  for (const auto& [name, command] : refused) {
    try {
      command();
      ADD_FAILURE() << name << " did not raise";
    } catch (const EMCIDeviceError& e) {
      EXPECT_STREQ(e.what(), "No MCI device open") << name;
    }
  }
  QRect rect(1, 2, 3, 4);
  EXPECT_NO_THROW(player_.Close());
  EXPECT_NO_THROW(player_.SetTimeFormat(0));
  EXPECT_NO_THROW(player_.SetDisplayRect(QRect(0, 0, 10, 10)));
  player_.GetDisplayRect(rect);
  EXPECT_EQ(rect, QRect(1, 2, 3, 4));
  EXPECT_EQ(player_.Mode(), TMPMode::mpNotReady);
  EXPECT_EQ(player_.Position(), 0);
}

TEST_F(MPlayer, PlayReportsTheEndAndStopsThere) {
  OpenTone(300);
  EXPECT_NE(player_.DeviceID(), 0);
  EXPECT_FALSE(player_.HasVideo());
  EXPECT_NEAR(player_.Length(), 300, 30);
  EXPECT_EQ(player_.Mode(), TMPMode::mpStopped);
  EXPECT_EQ(player_.Play(), 0);
  EXPECT_EQ(player_.Mode(), TMPMode::mpPlaying);
  ASSERT_TRUE(WaitForReports(1));
  EXPECT_EQ(reports_, std::vector{TMPNotifyValue::nvSuccessful});
  EXPECT_EQ(player_.Mode(), TMPMode::mpStopped);
  EXPECT_EQ(player_.Position(), player_.Length());

  // At the end a play is over as soon as it begins.
  EXPECT_EQ(player_.Play(), 0);
  EXPECT_EQ(player_.Mode(), TMPMode::mpStopped);
  ASSERT_TRUE(WaitForReports(2));
  EXPECT_EQ(reports_.back(), TMPNotifyValue::nvSuccessful);
}

TEST_F(MPlayer, NotifyFalseSilencesOnePlayOnly) {
  OpenTone(200);
  player_.SetNotify(false);
  player_.Play();
  ASSERT_TRUE(ProcessEventsUntil([&] { return player_.Mode() == TMPMode::mpStopped; }, 5000));
  ProcessEventsFor(100);
  EXPECT_TRUE(reports_.empty());

  player_.Seek(0);
  player_.Play();
  ASSERT_TRUE(WaitForReports(1));
  EXPECT_EQ(reports_, std::vector{TMPNotifyValue::nvSuccessful});
}

TEST_F(MPlayer, OtherCommandsReportOnlyWhenAskedOnce) {
  OpenTone(1000);
  player_.Play();
  player_.SetNotify(true);
  player_.Stop();  // cuts the play short and reports itself
  ASSERT_TRUE(WaitForReports(2));
  EXPECT_EQ(reports_, (std::vector{TMPNotifyValue::nvAborted, TMPNotifyValue::nvSuccessful}));
  EXPECT_EQ(player_.Mode(), TMPMode::mpStopped);

  player_.Seek(500);  // the choice was used up
  EXPECT_EQ(player_.Position(), 500);
  player_.SetNotify(true);
  player_.Seek(100);
  ASSERT_TRUE(WaitForReports(3));
  ProcessEventsFor(100);
  EXPECT_EQ(reports_.size(), 3u);
  EXPECT_EQ(player_.Position(), 100);
}

TEST_F(MPlayer, PauseTwiceWithoutReportsResumesAndTheEndIsNotReported) {
  OpenTone(600);
  player_.Play();
  player_.SetNotify(false);
  player_.Pause();
  EXPECT_EQ(player_.Mode(), TMPMode::mpPaused);
  player_.SetNotify(false);
  player_.Pause();
  EXPECT_EQ(player_.Mode(), TMPMode::mpPlaying);
  ASSERT_TRUE(ProcessEventsUntil([&] { return player_.Mode() == TMPMode::mpStopped; }, 5000));
  ProcessEventsFor(100);
  // The first play was cut short by the pause; the resumed play reports nothing.
  EXPECT_EQ(reports_, std::vector{TMPNotifyValue::nvAborted});
}

TEST_F(MPlayer, ResumeOnADeviceThatCannotResumePlaysWithTheSameChoice) {
  OpenTone(200);
  player_.Pause();  // stopped: nothing to pause or resume
  EXPECT_EQ(player_.Mode(), TMPMode::mpStopped);
  player_.SetNotify(false);
  EXPECT_EQ(player_.Resume(), 0);
  EXPECT_EQ(player_.Mode(), TMPMode::mpPlaying);
  ASSERT_TRUE(ProcessEventsUntil([&] { return player_.Mode() == TMPMode::mpStopped; }, 5000));
  ProcessEventsFor(100);
  EXPECT_TRUE(reports_.empty());
}

TEST_F(MPlayer, AutoRewindPlaysFromTheBeginningAgain) {
  OpenTone(250);
  player_.AutoRewind = true;
  player_.Play();
  ASSERT_TRUE(WaitForReports(1));
  EXPECT_EQ(player_.Position(), player_.Length());
  player_.Play();
  EXPECT_EQ(player_.Mode(), TMPMode::mpPlaying);
  EXPECT_LT(player_.Position(), player_.Length());
  ASSERT_TRUE(WaitForReports(2));
  EXPECT_EQ(reports_, (std::vector{TMPNotifyValue::nvSuccessful, TMPNotifyValue::nvSuccessful}));
}

TEST_F(MPlayer, OpenOnAnOpenPlayerClosesTheFirstAndAFailureLeavesItClosed) {
  OpenTone(200);
  const int first = player_.DeviceID();
  OpenTone(300, "second.wav");
  EXPECT_NE(player_.DeviceID(), first);
  EXPECT_NEAR(player_.Length(), 300, 30);
  player_.FileName = "d:\\none.wav";
  EXPECT_THROW(player_.Open(), EMCIDeviceError);
  EXPECT_EQ(player_.DeviceID(), 0);
  EXPECT_EQ(player_.Mode(), TMPMode::mpNotReady);
}

TEST_F(MPlayer, VideoIsDrawnInTheDisplayGivenBeforeTheOpen) {
  QWidget display;
  display.resize(200, 150);
  display.show();
  player_.SetDisplay(&display);
  EXPECT_EQ(player_.Display(), &display);
  player_.FileName = folder_.Write("clip.avi", ColourAvi(6, 10, {64, 48}, QColor(0, 0, 230)));
  player_.Open();
  ASSERT_TRUE(player_.HasVideo());
  EXPECT_EQ(player_.NaturalSize(), QSize(64, 48));
  QRect rect;
  player_.GetDisplayRect(rect);
  EXPECT_EQ(rect, QRect(0, 0, 64, 48));
  player_.SetDisplayRect(QRect(20, 10, 128, 96));
  player_.GetDisplayRect(rect);
  EXPECT_EQ(rect, QRect(20, 10, 128, 96));
  player_.SetDisplayRect(QRect(5, 6, 0, 0));  // the natural size
  player_.GetDisplayRect(rect);
  EXPECT_EQ(rect, QRect(5, 6, 64, 48));
  player_.SetDisplayRect(QRect(20, 10, 128, 96));

  player_.Play();
  ProcessEventsFor(150);
  const QImage shown = display.grab().toImage();
  const QColor inside = shown.pixelColor(84, 58), outside = shown.pixelColor(5, 5);
  // The first frames are blue turning violet.
  EXPECT_GT(inside.blue(), 150) << inside.name().toStdString();
  EXPECT_LT(inside.green(), 60) << inside.name().toStdString();
  EXPECT_NE(outside, inside);
  ASSERT_TRUE(WaitForReports(1));
  EXPECT_EQ(reports_, std::vector{TMPNotifyValue::nvSuccessful});
}

TEST_F(MPlayer, ADisplayThatGoesIsLetGo) {
  auto display = std::make_unique<QWidget>();
  player_.FileName = folder_.Write("clip.avi", ColourAvi(3, 10));
  player_.Open();
  player_.SetDisplay(display.get());
  display.reset();
  EXPECT_EQ(player_.Display(), nullptr);
  player_.Play();
  EXPECT_TRUE(WaitForReports(1));
}

}  // namespace
