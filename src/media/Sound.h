#pragma once
// The page media player, `PagePlayer`: video clips in the coloured panels the description
// places on the skin ("_clip"), and sound files from links, dropped files and commands. It
// switches the background music off while it plays and, for sounds, back on at their end.

#include "app/SkinModel.h"
#include "media/ColorWinControl.h"
#include "media/MPlayer.h"

#include <QJsonObject>
#include <string>
#include <vector>

class TBackgroundMusic;
class TMediaHost;

class TSound : public TMPlayer {
 public:
  // `music` is none in processes without background music. `screen` is the screen shown.
  TSound(TMediaHost& host, const TDynamicClipArray& clips, TBackgroundMusic* music, int screen);
  ~TSound() override;

  // One per clip declaration, in declaration order; children of the host's window.
  std::vector<TColorWinControl*> VideoPanels;
  int LastScreen = -1;
  // What the end of the current item does: 0 nothing, 3 close it (PlayMedia with no name),
  // 4 close the device, 5 switch the background music on again.
  int EndAction = 0;

  // Shows the panels of `screen`, hiding those of the screen shown before.
  void ScreenChanged(int screen);
  // Mode 3: a sound from a link or a dropped file; 4: a clip command; 0: "play". A video
  // plays in the first panel of the screen shown, with `document` shown in that panel's
  // document pane. No failure is reported.
  void PlayMedia(const std::string& fileName, const std::string& document, int mode);
  void StepForward();
  void StepBack();
  void MediaEnded(TMPlayer* sender);

  // mode, file, endAction.
  QJsonObject StateForDump() const;

 private:
  void Step(int milliseconds);

  TMediaHost& host_;
  TBackgroundMusic* music_;
  TDynamicClipArray clips_;  // each panel's screen and document pane
};
