#pragma once
// The background music: the songs of the description's "bgsounddef", played one after the
// other in a cycle, faded in and out on the music player's own volume, and remembered from one
// run to the next ("BGSoundSong", "BGSoundPos"; "BGSound" for on or off). Whether the music is
// on is the reader's setting in memory, Global.Options.BGSound.

#include "media/MPlayer.h"
#include "media/VolumeFade.h"
#include "platform/AutoResetEvent.h"

#include <QJsonObject>
#include <string>
#include <vector>

class TBackgroundMusic {
 public:
  // `volume` is the output the fades work on; the music player's own when none is given.
  TBackgroundMusic(QObject* owner, std::vector<std::string> songList, TVolumeControl* volume = nullptr);
  ~TBackgroundMusic();

  TMPlayer MusicPlayer;
  std::vector<std::string> SongList;  // full Windows names
  int SongIndex = 0;
  int SavedPosition = 0;  // where RestoreMusic starts when the settings hold none
  // Signalled when a fade down ends.
  TAutoResetEvent AdjVolume{"Adj_Volume"};

  // Opens the stored song at the stored position, fades it in and plays it; a failure
  // switches the music off.
  void RestoreMusic();
  // Stores song and position, fades out when asked (waiting for the fade at most 10 s), and
  // closes the player.
  void SaveMusic(bool fadeOut);
  // The next song, after the last the first; a failure switches the music off.
  void MusicEnded(TMPlayer* sender);
  // False when the output has no volume control (nothing happens then).
  bool FadeVolume(bool fadeIn);
  // The "bgsound" button: music off with a fade, or on again (closing what the page player
  // holds); the choice is stored as "BGSound".
  void ToggleMusic(TMPlayer& pagePlayer);

  // musicOn, songIndex, musicPosition, volume (left and right, 0 … 65535).
  QJsonObject StateForDump() const;

 private:
  // The player's output: its volume is the player's own, which it always can change.
  class TPlayerVolume : public TVolumeControl {
   public:
    explicit TPlayerVolume(TMediaDevice& device) : device_(device) {}
    bool HasVolumeControl() const override { return true; }
    std::uint32_t Volume() const override { return device_.Volume(); }
    void SetVolume(std::uint32_t leftRight) override { device_.SetVolume(leftRight); }

   private:
    TMediaDevice& device_;
  };

  TPlayerVolume playerVolume_;
  TVolumeControl& volume_;
  TVolumeFade fade_;
};
