#include "media/MPlayer.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "media/MediaFile.h"

#include <QWidget>
#include <climits>

namespace {

int NextDeviceId() {
  static int last = 0;
  last = last == INT_MAX ? 1 : last + 1;
  return last;
}

}  // namespace

TMPlayer::TMPlayer(QObject* owner) : QObject(owner) {
  device_.OnNotify = [this](int flag) { Notified(flag); };
}

TMPlayer::~TMPlayer() = default;

void TMPlayer::RequireOpen() const {
  if (!opened_) throw EMCIDeviceError("No MCI device open");
}

bool TMPlayer::TakeNotify(bool byDefault) {
  const bool notify = useNotify_ ? notify_ : byDefault;
  useNotify_ = false;
  return notify;
}

void TMPlayer::SetNotify(bool value) {
  notify_ = value;
  useNotify_ = true;
}

void TMPlayer::Open() {
  if (opened_) Close();
  TMediaSource source;
  int code = MediaSourceOf(FileName, source);
  const bool notify = TakeNotify(false);
  if (code == 0) code = device_.Open(source, notify);
  error_ = code;
  if (code != 0) throw EMCIDeviceError(ErrorMessage());
  opened_ = true;
  deviceId_ = NextDeviceId();
  hasVideo_ = device_.HasVideo();
  naturalSize_ = device_.NaturalSize();
  if (hasVideo_) {
    SetDisplay(display_);
    QRect rect;
    GetDisplayRect(rect);
    naturalSize_ = rect.size();
  }
}

void TMPlayer::Close() {
  if (deviceId_ == 0) return;
  error_ = device_.Close(TakeNotify(false));
  if (error_ != 0) return;
  opened_ = false;
  deviceId_ = 0;
  hasVideo_ = false;
}

int TMPlayer::Play() {
  RequireOpen();
  if (AutoRewind && Position() == Length()) device_.Seek(0, false);
  error_ = device_.Play(TakeNotify(true));
  return error_;
}

int TMPlayer::Stop() {
  RequireOpen();
  error_ = device_.Stop(TakeNotify(false));
  return error_;
}

int TMPlayer::PauseOnly() {
  RequireOpen();
  error_ = device_.Pause(TakeNotify(false));
  return error_;
}

int TMPlayer::Resume() {
  RequireOpen();
  // The choice of report is left for Play when the device cannot resume.
  if (device_.Resume(useNotify_ ? notify_ : true) != 0) return Play();
  useNotify_ = false;
  error_ = 0;
  return 0;
}

void TMPlayer::Pause() {
  RequireOpen();
  const TMPMode mode = Mode();
  if (mode == TMPMode::mpPlaying)
    PauseOnly();
  else if (mode == TMPMode::mpPaused)
    Resume();
}

int TMPlayer::Seek(int to) {
  RequireOpen();
  error_ = device_.Seek(to, TakeNotify(false));
  return error_;
}

void TMPlayer::SetTimeFormat(int format) { error_ = opened_ && format == 0 ? 0 : Mci::kDeviceError; }

int TMPlayer::Length() {
  RequireOpen();
  return static_cast<int>(device_.Length());
}

int TMPlayer::Position() const { return opened_ ? static_cast<int>(device_.Position()) : 0; }

TMPMode TMPlayer::Mode() const {
  return opened_ ? static_cast<TMPMode>(device_.Mode() - Mci::kModeNotReady) : TMPMode::mpNotReady;
}

void TMPlayer::SetDisplay(QWidget* display) {
  if (display_ && display_ != display) display_->disconnect(this);
  display_ = display;
  if (!display || !opened_ || !hasVideo_) return;
  device_.SetWindow(display);
  connect(display, &QObject::destroyed, this, &TMPlayer::DisplayDestroyed, Qt::UniqueConnection);
}

void TMPlayer::DisplayDestroyed(QObject*) {
  if (opened_ && hasVideo_) device_.SetWindow(nullptr);
  display_ = nullptr;
}

void TMPlayer::GetDisplayRect(QRect& rect) const {
  if (opened_ && hasVideo_) rect = device_.Destination();
}

void TMPlayer::SetDisplayRect(const QRect& rect) {
  if (!opened_ || !hasVideo_) return;
  device_.PutDestination(rect.width() == 0 && rect.height() == 0 ? QRect(rect.topLeft(), naturalSize_) : rect);
}

std::string TMPlayer::ErrorMessage() const {
  const QString text = Mci::ErrorText(error_);
  return text.isEmpty() ? "Unknown error code" : text.toStdString();
}

void TMPlayer::Notified(int flag) {
  switch (flag) {
    case Mci::kNotifySuccessful: notifyValue_ = TMPNotifyValue::nvSuccessful; break;
    case Mci::kNotifySuperseded: notifyValue_ = TMPNotifyValue::nvSuperseded; break;
    case Mci::kNotifyAborted: notifyValue_ = TMPNotifyValue::nvAborted; break;
    case Mci::kNotifyFailure: notifyValue_ = TMPNotifyValue::nvFailure; break;
    default: break;
  }
  if (!OnNotify) return;
  // The report comes from the event loop: nothing may unwind into it.
  try {
    OnNotify(this);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "media notification:" << e.what();
  }
}
