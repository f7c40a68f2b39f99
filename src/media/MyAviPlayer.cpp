#include "media/MyAviPlayer.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "media/MediaHost.h"

#include <QPainter>
#include <QThread>
#include <QWidget>

namespace {

constexpr int kIdleRecheckMs = 100;
constexpr int kIdleStepMs = 10;
// A device that never settles must not hold the window for ever.
constexpr int kIdleSteps = 100;

}  // namespace

TMyAviPlayer::TMyAviPlayer(TMediaHost& host) : host_(host) {}

TMyAviPlayer::~TMyAviPlayer() = default;

void TMyAviPlayer::Setup(QWidget* window, QWidget* displayWindow, const QRect& rect, const std::string& fileName) {
  if (!window || QString::fromStdString(fileName).trimmed().isEmpty()) return;
  Rect = rect;
  Window = window;
  DisplayWindow = displayWindow;
  BackgroundPicture = host_.SkinBackground().copy(Rect);
  Frozen = false;
  if (Player) {
    try {
      Player->Stop();
    } catch (const EMCIDeviceError&) {
    }
  } else {
    Player = std::make_unique<TMPlayer>();
  }
  Player->AutoRewind = true;
  Player->SetDisplay(DisplayWindow);
  Player->FileName = fileName;
  Player->Open();
  Player->SetDisplayRect(QRect(Rect.left(), Rect.top(), Rect.width(), Rect.height()));
  Player->OnNotify = [this](TMPlayer*) { LoopPlay(); };
}

bool TMyAviPlayer::IsIdle() {
  const auto idle = [this] {
    const TMPMode mode = Player ? Player->Mode() : TMPMode::mpNotReady;
    return mode == TMPMode::mpStopped || mode == TMPMode::mpPaused || mode == TMPMode::mpNotReady;
  };
  if (Frozen || idle()) return true;
  QThread::msleep(kIdleRecheckMs);
  return idle();
}

void TMyAviPlayer::WaitUntilIdle() {
  for (int i = 0; i < kIdleSteps && !IsIdle(); ++i) QThread::msleep(kIdleStepMs);
}

void TMyAviPlayer::LoopPlay() {
  if (Active && !Frozen && IsIdle() && Player) Player->Play();
}

void TMyAviPlayer::PaintFrozen(QImage& canvas) {
  if (!Active || !Player || FramePicture.isNull()) return;
  const TMPMode mode = Player->Mode();
  if (mode != TMPMode::mpStopped && mode != TMPMode::mpPaused) return;
  QPainter painter(&canvas);
  painter.drawImage(Rect.topLeft(), FramePicture);
}

bool TMyAviPlayer::Click(int x, int y) {
  if (!Active || !Contains(x, y)) return false;
  const bool idle = IsIdle();
  UserPaused = !idle;
  if (!idle) {
    Freeze();
  } else if (Player) {
    Player->Play();
    Frozen = false;
  }
  return true;
}

void TMyAviPlayer::PutIntoSkin(const QImage& picture) {
  QPainter painter(&host_.SkinBackground());
  painter.drawImage(Rect.topLeft(), picture);
}

void TMyAviPlayer::SetActive(bool on) {
  if (!Window || !Window->isVisible()) {
    if (Player) Player->Stop();
    Active = false;
    return;
  }
  if (Active && !on) {
    if (Player) Player->PauseOnly();
    WaitUntilIdle();
    Frozen = true;
    PutIntoSkin(BackgroundPicture);
    // The still picture takes the video's place.
    if (Player) Player->Device().HideVideo();
    Window->update(Rect);
  } else if (on) {
    if (Player) Player->Play();
    Frozen = false;
    UserPaused = false;
    PutIntoSkin(BackgroundPicture);
  }
  Active = on;
}

void TMyAviPlayer::Freeze() {
  if (!Active) return;
  if (Player) Player->PauseOnly();
  WaitUntilIdle();
  Frozen = true;
  // What the window shows there now: the frame the video stopped at, drawn to fill the
  // rectangle. Taken from the video itself, since the window may be half way to another
  // screen and cannot paint itself now.
  const QImage frame = Player ? Player->Device().CurrentFrame() : QImage();
  FramePicture = (frame.isNull() ? host_.SkinBackground().copy(Rect) : frame.scaled(Rect.size()))
                     .convertToFormat(QImage::Format_RGB32);
  PutIntoSkin(FramePicture);
  if (Player) Player->Device().HideVideo();
  Window->update(Rect);
}

void TMyAviPlayer::Unfreeze() {
  Frozen = false;
  LoopPlay();
  PutIntoSkin(BackgroundPicture);
}

void TMyAviPlayer::ResumeUnlessPaused() {
  if (!UserPaused) Unfreeze();
}

void TMyAviPlayer::Shutdown() {
  if (!Player) return;
  Player->Close();
  Player->FileName.clear();
  Player->SetDisplayRect(QRect(0, 0, 0, 0));
  Player->SetDisplay(nullptr);
  Player.reset();
}

QJsonObject TMyAviPlayer::StateForDump() const {
  return {{"exists", true}, {"active", Active}, {"frozen", Frozen}, {"userPaused", UserPaused}};
}
