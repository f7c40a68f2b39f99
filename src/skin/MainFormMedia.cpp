// The window's media: the background music and the page media player with its clip panels,
// the start clip, the 3D view on screen 0, click sounds, and the commands that drive them.

#include "app/Log.h"
#include "app/ui/BusyCursor.h"
#include "document/HtmlFrame.h"
#include "media/BackgroundMusic.h"
#include "media/ButtonSound.h"
#include "media/CodecInstall.h"
#include "media/MyAviPlayer.h"
#include "media/Sound.h"
#include "media/StartClip.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "skin/CommandTable.h"
#include "skin/MainForm.h"

#include <QDir>
#include <QJsonObject>

namespace {

// The 3D view's place on screen 0 (left 31, top 135, right 687, bottom 394) and its clip.
const QRect k3dRect(QPoint(31, 135), QPoint(686, 393));
const char* const k3dClip = "car.avi";

bool Is3dSwitchOn(const TSkinModel& skin, int screen) {
  if (screen < 0 || screen >= skin.ScreenCount()) return false;
  for (const RSwthOne& toggle : skin.ScreenSwthOne[screen])
    if (toggle.state && toggle.godown == "3d") return true;
  for (const RSwthGrp& group : skin.ScreenSwthGrp[screen])
    if (group.state && group.go == "3d") return true;
  return false;
}

}  // namespace

void TMainForm::InstallCodecs() {
  if (Skin.Codec.find("indeo5") != std::string::npos && Global.Options.Clip) InstallIndeoCodec();
  if (Skin.Codec.find("mpegaudio") != std::string::npos) InstallMp3Codec();
}

void TMainForm::CreateMusicPlayer() { Music = std::make_unique<TBackgroundMusic>(this, Skin.BgSoundDef); }

void TMainForm::CreatePagePlayer() {
  PagePlayer = std::make_unique<TSound>(*this, Skin.Clips, Music.get(), Global.CurrentScreen);
}

// The end of the build: the start clip plays first when the book has one and the reader
// wants it; FinishStartup follows it.
void TMainForm::PlayStartClipOrFinish() {
  // The stored setting stays as it is.
  if (Skin.BgSoundDef.empty()) Global.Options.BGSound = false;
  if (Skin.Rolic.empty() || Skin.Rolic == "no" || !Global.Options.Clip) {
    FinishStartup();
    return;
  }
  const bool fullScreen = !Skin.Background.empty() && Skin.Background != "no";
  startClip_ = new TStartClip(this, Skin.Rolic, fullScreen, [this] {
    startClip_->deleteLater();
    startClip_ = nullptr;
    FinishStartup();
  });
}

void TMainForm::StartMusic() {
  if (!Music || !Global.Options.BGSound) return;
  const THourglass hourglass;
  Music->RestoreMusic();
}

// A "3d" switch that is on at start runs during the build, while the window is still hidden,
// when the view refuses to play; it starts now that the window shows.
void TMainForm::Start3dViewShownOnStart() {
  if (!Clip3d || Clip3d->Active || Global.CurrentScreen != 0 || !Is3dSwitchOn(Skin, 0)) return;
  try {
    Clip3d->SetActive(true);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "3D view:" << e.what();
  }
}

bool TMainForm::RunMediaCommand(const TCommand& c, TKind kind) {
  try {
    switch (c.action) {
      case TCommandAction::Clip2D:
        if (Clip3d) Clip3d->SetActive(false);
        return true;
      case TCommandAction::Clip3D:
        if (!Clip3d) {
          // The clip is named relative to the program's folder.
          QDir::setCurrent(HostPath::ToHost(Global.ProgramFolder));
          Clip3d = std::make_unique<TMyAviPlayer>(*this);
          Clip3d->Setup(this, this, k3dRect, k3dClip);
        }
        Clip3d->SetActive(true);
        return true;
      case TCommandAction::BgSound:
        // A switch that runs "bgsound" does nothing: only a push button toggles the music.
        if (kind == TKind::Button && Music && PagePlayer) Music->ToggleMusic(*PagePlayer);
        return true;
      case TCommandAction::Play:
        if (PagePlayer) PagePlayer->PlayMedia("", "", 0);
        return true;
      case TCommandAction::Stop:
        if (PagePlayer) PagePlayer->Stop();
        return true;
      case TCommandAction::Pause:
        if (PagePlayer) {
          PagePlayer->SetNotify(false);
          PagePlayer->Pause();
        }
        return true;
      case TCommandAction::StepForward:
        if (PagePlayer) PagePlayer->StepForward();
        return true;
      case TCommandAction::StepBack:
        if (PagePlayer) PagePlayer->StepBack();
        return true;
      case TCommandAction::Clip:
        if (PagePlayer) PagePlayer->PlayMedia(c.value, c.rest, 4);
        return true;
      default: return false;
    }
  } catch (const std::exception& e) {
    // No failure of the players is shown to the reader.
    qCWarning(lcErrors) << "media command:" << e.what();
    return true;
  }
}

bool TMainForm::View3dPlaying() { return Clip3d && Clip3d->Active && !Clip3d->IsIdle(); }

bool TMainForm::Over3dView(QPoint at) const { return Clip3d && Clip3d->Active && Clip3d->Contains(at.x(), at.y()); }

void TMainForm::Freeze3dIfPlaying() {
  if (View3dPlaying()) Clip3d->Freeze();
}

void TMainForm::PlayMedia(const std::string& file) {
  if (PagePlayer) PagePlayer->PlayMedia(file, "", 3);
}

void TMainForm::ShowInElement(int number, const std::string& document) {
  if (HtmlFrame) HtmlFrame->ShowInElement(number, document);
}

// The exit button's sound is heard as the window goes; the music keeps its place for the
// next run.
void TMainForm::ReleaseMedia() {
  const int s = Global.CurrentScreen;
  if (ExitButtonIndex >= 0 && s >= 0 && s < Skin.ScreenCount() &&
      ExitButtonIndex < static_cast<int>(Skin.ScreenBtns[s].size()))
    ::PlayButtonSound(Skin.ScreenBtns[s][ExitButtonIndex].wav, true);
  if (Music && Global.Options.BGSound) Music->SaveMusic(true);
  if (Clip3d) Clip3d->Shutdown();
  Clip3d.reset();
  PagePlayer.reset();
  Music.reset();
}

void TMainForm::AddMediaState(QJsonObject& state) const {
  QJsonObject media = PagePlayer ? PagePlayer->StateForDump() : QJsonObject{};
  if (Music) {
    const QJsonObject music = Music->StateForDump();
    for (auto it = music.constBegin(); it != music.constEnd(); ++it) media.insert(it.key(), it.value());
  }
  state["media"] = media;
  state["clip3d"] = Clip3d ? Clip3d->StateForDump() : QJsonObject{{"exists", false}};
}
