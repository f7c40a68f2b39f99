#include "media/ButtonSound.h"

#include "media/MediaFile.h"
#include "platform/Globals.h"
#include "platform/ui/PlaySound.h"

void PlayButtonSound(const std::string& wav, bool sync) {
  if (wav.empty() || wav == "no" || !Global.Options.Wav) return;
  TMediaSource source;
  if (MediaSourceOf(Global.ProgramFolder + wav, source) == 0) PlaySound(source, sync);
}
