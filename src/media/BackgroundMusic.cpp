#include "media/BackgroundMusic.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "app/Settings.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/EventWait.h"

#include <QJsonArray>

namespace {

constexpr int kFadeOutWaitMs = 10000;

}  // namespace

TBackgroundMusic::TBackgroundMusic(QObject* owner, std::vector<std::string> songList, TVolumeControl* volume)
    : MusicPlayer(owner),
      SongList(std::move(songList)),
      playerVolume_(MusicPlayer.Device()),
      volume_(volume ? *volume : playerVolume_),
      fade_(volume_, AdjVolume) {
  MusicPlayer.OnNotify = [this](TMPlayer* sender) { MusicEnded(sender); };
}

// The fade's thread touches the player's volume: it stops before the player goes.
TBackgroundMusic::~TBackgroundMusic() { fade_.Stop(); }

void TBackgroundMusic::RestoreMusic() {
  const TBookSettings settings;
  if (const auto song = settings.ReadStored(Settings::BGSoundSong)) {
    SongIndex = *song;
    if (const auto position = settings.ReadStored(Settings::BGSoundPos)) SavedPosition = *position;
  }
  // The list may have changed since the song was stored: then the first song plays from its
  // beginning.
  if (SongIndex < 0 || SongIndex >= static_cast<int>(SongList.size())) {
    SongIndex = 0;
    SavedPosition = 0;
  }
  try {
    if (SongList.empty()) throw EMCIDeviceError("no songs");
    MusicPlayer.FileName = SongList[SongIndex];
    MusicPlayer.Open();
    MusicPlayer.Seek(SavedPosition);
    FadeVolume(true);
    if (MusicPlayer.Play() != 0) throw EMCIDeviceError(MusicPlayer.ErrorMessage());
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "background music:" << e.what();
    Global.Options.BGSound = false;
  }
}

void TBackgroundMusic::SaveMusic(bool fadeOut) {
  SavedPosition = MusicPlayer.Position();
  {
    TBookSettings settings;
    settings.Write(Settings::BGSoundSong, SongIndex);
    settings.Write(Settings::BGSoundPos, SavedPosition);
  }
  bool fading = false;
  if (fadeOut) {
    AdjVolume.Wait(0);  // a signal an earlier fade left must not end this wait
    fading = FadeVolume(false);
  }
  // Without volume control there is no fade to wait for.
  if (fading) {
    bool faded = false;
    EventWait::Until([&] { return faded = faded || AdjVolume.Wait(0); }, kFadeOutWaitMs);
  }
  MusicPlayer.Close();
  if (fading) {
    fade_.Stop();
    volume_.SetVolume(fade_.StartVolume());
  }
}

void TBackgroundMusic::MusicEnded(TMPlayer*) {
  if (MusicPlayer.NotifyValue() != TMPNotifyValue::nvSuccessful || SongList.empty()) return;
  SongIndex = SongIndex < static_cast<int>(SongList.size()) - 1 ? SongIndex + 1 : 0;
  try {
    MusicPlayer.FileName = SongList[SongIndex];
    MusicPlayer.Open();
    if (MusicPlayer.Play() != 0) throw EMCIDeviceError(MusicPlayer.ErrorMessage());
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "background music:" << e.what();
    Global.Options.BGSound = false;
  }
}

bool TBackgroundMusic::FadeVolume(bool fadeIn) { return fade_.Start(fadeIn); }

void TBackgroundMusic::ToggleMusic(TMPlayer& pagePlayer) {
  if (Global.Options.BGSound) {
    Global.Options.BGSound = false;
    SaveMusic(true);
  } else {
    pagePlayer.Close();
    Global.Options.BGSound = true;
    RestoreMusic();
  }
  TBookSettings().Write(Settings::BGSound, Global.Options.BGSound ? 1 : 0);
}

QJsonObject TBackgroundMusic::StateForDump() const {
  const std::uint32_t volume = volume_.Volume();
  return {{"musicOn", Global.Options.BGSound},
          {"songIndex", SongIndex},
          {"musicPosition", MusicPlayer.Position()},
          {"volume", QJsonArray{static_cast<int>(volume & 0xFFFF), static_cast<int>(volume >> 16)}}};
}
