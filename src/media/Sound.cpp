#include "media/Sound.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "app/ui/BusyCursor.h"
#include "media/BackgroundMusic.h"
#include "media/CodecInstall.h"
#include "media/MediaHost.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/ColorConversion.h"

#include <QWidget>
#include <algorithm>

namespace {

constexpr int kStepMs = 10000;

bool NamesMissingOrBadFile(int error) {
  return error == Mci::kFileNotFound || error == Mci::kInvalidFile || error == Mci::kFileRead;
}

const char* ModeName(TMPMode mode) {
  switch (mode) {
    case TMPMode::mpNotReady: return "notReady";
    case TMPMode::mpStopped: return "stopped";
    case TMPMode::mpPlaying: return "playing";
    case TMPMode::mpRecording: return "recording";
    case TMPMode::mpSeeking: return "seeking";
    case TMPMode::mpPaused: return "paused";
    case TMPMode::mpOpen: return "open";
  }
  return "";
}

}  // namespace

TSound::TSound(TMediaHost& host, const TDynamicClipArray& clips, TBackgroundMusic* music, int screen)
    : host_(host), music_(music), clips_(clips) {
  OnNotify = [this](TMPlayer* sender) { MediaEnded(sender); };
  for (const RClip& clip : clips_) {
    auto* panel = new TColorWinControl(host_.Window(), ToQColor(clip.bgcolor),
                                       QRect(clip.vx, clip.vy, clip.vw - clip.vx, clip.vh - clip.vy));
    panel->OnMouseMove = [this] { host_.PointerLeftSkin(); };
    VideoPanels.push_back(panel);
  }
  ScreenChanged(screen);
}

// The panels belong to the window; the device lets go of them first.
TSound::~TSound() {
  Close();
  for (TColorWinControl* panel : VideoPanels) delete panel;
}

void TSound::ScreenChanged(int screen) {
  for (size_t i = 0; i < VideoPanels.size(); ++i)
    if (clips_[i].screen == screen) VideoPanels[i]->show();
  if (LastScreen != screen)
    for (size_t i = 0; i < VideoPanels.size(); ++i)
      if (clips_[i].screen == LastScreen) VideoPanels[i]->hide();
  LastScreen = screen;
}

void TSound::PlayMedia(const std::string& fileName, const std::string& document, int mode) {
  if (mode == 3) {
    // A sound while something plays keeps a pending close or music restart.
    if (Mode() != TMPMode::mpPlaying)
      EndAction = 4;
    else if (EndAction != 4 && EndAction != 5)
      EndAction = 3;
  } else {
    EndAction = mode;
  }
  if (music_ && Global.Options.BGSound) {
    music_->SaveMusic(false);
    Global.Options.BGSound = false;
    if (mode == 3) EndAction = 5;
  }

  const THourglass hourglass;
  FileName = fileName;
  if (!fileName.empty() && fileName.find(".wav") == std::string::npos) {
    for (size_t i = 0; i < VideoPanels.size(); ++i) {
      if (clips_[i].screen != LastScreen) continue;
      SetDisplay(VideoPanels[i]);
      host_.ShowInElement(clips_[i].html, document);
      break;
    }
    try {
      Open();
    } catch (const EMCIDeviceError& e) {
      qCWarning(lcErrors) << "page media:" << e.what();
      if (!NamesMissingOrBadFile(Error())) {
        InstallMpegDriver();
        try {
          Open();
        } catch (const EMCIDeviceError&) {
        }
      }
    }
  } else {
    // With no name the open fails: the previous item is closed and nothing plays.
    try {
      Open();
    } catch (const EMCIDeviceError& e) {
      if (!fileName.empty()) qCWarning(lcErrors) << "page media:" << e.what();
    }
  }
  try {
    Play();
  } catch (const EMCIDeviceError&) {
  }
}

void TSound::MediaEnded(TMPlayer*) {
  if (NotifyValue() != TMPNotifyValue::nvSuccessful) return;
  switch (EndAction) {
    case 3: PlayMedia("", "", 0); break;
    case 4: Close(); break;
    case 5: {
      const THourglass hourglass;
      // On before the restart, so that a song that fails switches the music off again.
      Global.Options.BGSound = true;
      if (music_) music_->RestoreMusic();
      break;
    }
    default: break;
  }
}

void TSound::Step(int milliseconds) {
  SetTimeFormat(0);
  const int position = Position();
  try {
    if (milliseconds > 0)
      Seek(std::min(Length(), position + milliseconds));
    else
      Seek(position > -milliseconds ? position + milliseconds : 0);
  } catch (const EMCIDeviceError&) {
  }
  try {
    Play();
  } catch (const EMCIDeviceError&) {
  }
}

void TSound::StepForward() { Step(kStepMs); }

void TSound::StepBack() { Step(-kStepMs); }

QJsonObject TSound::StateForDump() const {
  return {{"mode", ModeName(Mode())}, {"file", FromCp1251(FileName)}, {"endAction", EndAction}};
}
