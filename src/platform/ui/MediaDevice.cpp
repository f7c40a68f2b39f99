#include "platform/ui/MediaDevice.h"

#include "platform/ui/EventWait.h"
#include "platform/ui/VideoSurface.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <algorithm>
#include <mutex>

namespace {

// The back end reads a file in well under a second. On some damaged files it falls silent
// instead of failing: a file it could read but not make sense of in this time is invalid.
constexpr int kOpenTimeoutMs = 4000;
constexpr int kFirstFrameTimeoutMs = 3000;
// A report that falls inside a wait is looked at again this often until the wait is over.
constexpr int kHeldReportRetryMs = 5;

}  // namespace

namespace Mci {

QString ErrorText(int code) {
  switch (code) {
    case kFileNotFound: return QStringLiteral("The media file cannot be found.");
    case kInvalidFile:
      return QStringLiteral("The media file cannot be played: it is damaged, or of a kind no decoder reads.");
    case kFileRead: return QStringLiteral("The media file cannot be read.");
    case kDeviceError: return QStringLiteral("The media device cannot do this now, or there is none.");
    default: return {};
  }
}

}  // namespace Mci

void ChooseMediaBackend() {
  static std::once_flag chosen;
  std::call_once(chosen, [] {
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  });
}

TMediaDevice::TMediaDevice(QObject* parent) : QObject(parent) {
  ChooseMediaBackend();
  // The GStreamer back end plays sound only through an output, also where the machine has no
  // sound device (it then plays into a stand-in at the normal pace).
  audio_ = new QAudioOutput(this);
}

TMediaDevice::~TMediaDevice() {
  ReleasePlayer();
  delete surface_.data();
}

int TMediaDevice::Open(const TMediaSource& source, bool notify) {
  if (IsOpen()) Close(false);
  if (source.data.isEmpty()) {
    if (source.hostFile.isEmpty() || !QFileInfo(source.hostFile).isFile()) return Mci::kFileNotFound;
    QFile probe(source.hostFile);
    if (!probe.open(QIODevice::ReadOnly)) return Mci::kFileRead;
  }

  ++generation_;
  name_ = source.name.isEmpty() ? QFileInfo(source.hostFile).fileName() : source.name;
  player_ = new QMediaPlayer(this);
  if (!player_->isAvailable()) {  // no media back end at all
    ReleasePlayer();
    return Mci::kDeviceError;
  }
  sink_ = new QVideoSink(player_);
  player_->setAudioOutput(audio_);
  player_->setVideoSink(sink_);
  ApplyVolume();
  connect(player_, &QMediaPlayer::mediaStatusChanged, this, &TMediaDevice::MediaStatusChanged);
  connect(player_, &QMediaPlayer::errorOccurred, this, [this] {
    failed_ = true;
    EndPendingPlay(Mci::kNotifyFailure);
  });
  // Frames come from the back end's thread; those of a closed file go with its sink.
  connect(sink_, &QVideoSink::videoFrameChanged, sink_, [this](const QVideoFrame& frame) { FrameArrived(frame); });
  if (source.data.isEmpty()) {
    player_->setSource(QUrl::fromLocalFile(source.hostFile));
  } else {
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(source.data);
    buffer_->open(QIODevice::ReadOnly);
    player_->setSourceDevice(buffer_.get(), QUrl::fromLocalFile(name_));
  }

  EventWait::Until(
      [this] {
        if (!player_ || failed_) return true;
        const auto status = player_->mediaStatus();
        return status != QMediaPlayer::NoMedia && status != QMediaPlayer::LoadingMedia;
      },
      kOpenTimeoutMs);
  if (!player_) return Mci::kDeviceError;
  const auto status = player_->mediaStatus();
  if (failed_ || status == QMediaPlayer::InvalidMedia || status == QMediaPlayer::NoMedia ||
      status == QMediaPlayer::LoadingMedia) {
    ReleasePlayer();
    return Mci::kInvalidFile;
  }

  length_ = std::max<qint64>(0, player_->duration());
  hasVideo_ = player_->hasVideo();
  stopped_ = true;
  // Paused before the first play, the back end has the first frame ready and its size known.
  player_->pause();
  if (hasVideo_) EventWait::Until([this] { return !player_ || !naturalSize_.isEmpty(); }, kFirstFrameTimeoutMs);
  if (!player_) return Mci::kDeviceError;
  destination_ = QRect(QPoint(0, 0), naturalSize_);
  if (notify) Notify(Mci::kNotifySuccessful);
  return 0;
}

int TMediaDevice::Close(bool notify) {
  if (!IsOpen()) return Mci::kDeviceError;
  ReleasePlayer();
  if (notify) Notify(Mci::kNotifySuccessful);
  return 0;
}

void TMediaDevice::ReleasePlayer() {
  // Reports of the closed file that have not been delivered yet are stale.
  ++generation_;
  playNotify_ = false;
  if (player_) {
    player_->disconnect(this);
    player_->stop();
    delete player_;
    player_ = nullptr;
    sink_ = nullptr;
  }
  buffer_.reset();
  if (surface_) {
    surface_->hide();
    surface_->SetFrame({});
  }
  frame_ = QImage();
  length_ = 0;
  hasVideo_ = false;
  naturalSize_ = QSize();
  destination_ = QRect();
  stopped_ = ended_ = failed_ = false;
}

int TMediaDevice::Play(bool notify) {
  if (!IsOpen()) return Mci::kDeviceError;
  EndPendingPlay(Mci::kNotifySuperseded);
  if (ended_) {
    // Nothing is left to play: the play is over as soon as it began.
    stopped_ = false;
    if (notify) Notify(Mci::kNotifySuccessful);
    return 0;
  }
  stopped_ = false;
  playNotify_ = notify;
  player_->play();
  ShowVideo();
  return 0;
}

int TMediaDevice::Resume(bool notify) {
  if (!IsOpen() || Mode() != Mci::kModePaused) return Mci::kDeviceError;
  EndPendingPlay(Mci::kNotifySuperseded);
  playNotify_ = notify;
  player_->play();
  ShowVideo();
  return 0;
}

int TMediaDevice::Pause(bool notify) {
  if (!IsOpen()) return Mci::kDeviceError;
  if (Mode() == Mci::kModePlaying) {
    player_->pause();
    EndPendingPlay(Mci::kNotifyAborted);
  }
  if (notify) Notify(Mci::kNotifySuccessful);
  return 0;
}

int TMediaDevice::Stop(bool notify) {
  if (!IsOpen()) return Mci::kDeviceError;
  if (player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
  stopped_ = true;
  EndPendingPlay(Mci::kNotifyAborted);
  if (notify) Notify(Mci::kNotifySuccessful);
  return 0;
}

int TMediaDevice::Seek(qint64 to, bool notify) {
  if (!IsOpen()) return Mci::kDeviceError;
  to = std::clamp<qint64>(to, 0, length_);
  EndPendingPlay(Mci::kNotifyAborted);
  if (player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
  player_->setPosition(to);
  stopped_ = true;
  ended_ = length_ > 0 && to >= length_;
  if (notify) Notify(Mci::kNotifySuccessful);
  return 0;
}

int TMediaDevice::Mode() const {
  if (!IsOpen()) return Mci::kModeNotReady;
  if (ended_ || stopped_) return Mci::kModeStopped;
  switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState: return Mci::kModePlaying;
    case QMediaPlayer::PausedState: return Mci::kModePaused;
    default: return Mci::kModeStopped;
  }
}

qint64 TMediaDevice::Position() const {
  if (!IsOpen()) return 0;
  if (ended_) return length_;
  return std::clamp<qint64>(player_->position(), 0, length_);
}

void TMediaDevice::MediaStatusChanged() {
  if (!player_ || player_->mediaStatus() != QMediaPlayer::EndOfMedia) return;
  ended_ = true;
  EndPendingPlay(Mci::kNotifySuccessful);
}

void TMediaDevice::FrameArrived(const QVideoFrame& frame) {
  frame_ = frame.toImage();
  if (naturalSize_.isEmpty()) naturalSize_ = frame_.size();
  if (surface_) surface_->SetFrame(frame_);
}

void TMediaDevice::SetWindow(QWidget* window) {
  if (surface_ && surface_->parentWidget() == window && window) return;
  const bool shown = surface_ && surface_->isVisible();
  delete surface_.data();
  window_ = window;
  if (shown) ShowVideo();
}

void TMediaDevice::PutDestination(const QRect& rect) {
  destination_ = rect;
  if (surface_ && window_) surface_->setGeometry(rect);
}

void TMediaDevice::ShowVideo() {
  if (!hasVideo_) return;
  if (!surface_) {
    surface_ = new TVideoSurface(window_);
    if (!window_) surface_->setWindowTitle(name_);
  }
  surface_->SetFrame(frame_);
  if (window_)
    surface_->setGeometry(destination_);
  else
    surface_->resize(destination_.size().isEmpty() ? QSize(160, 120) : destination_.size());
  surface_->show();
  surface_->raise();
}

void TMediaDevice::HideVideo() {
  if (surface_) surface_->hide();
}

void TMediaDevice::SetVolume(quint32 leftRight) {
  volume_ = leftRight;
  if (!volumeQueued_.exchange(true))
    QMetaObject::invokeMethod(
        this,
        [this] {
          volumeQueued_ = false;
          ApplyVolume();
        },
        Qt::QueuedConnection);
}

void TMediaDevice::ApplyVolume() {
  const quint32 v = volume_;
  const quint32 louder = std::max(v & 0xFFFF, v >> 16);
  audio_->setVolume(static_cast<float>(louder) / 0xFFFF);
}

void TMediaDevice::Notify(int flag) {
  QMetaObject::invokeMethod(
      this, [this, flag, generation = generation_] { Deliver(flag, generation); }, Qt::QueuedConnection);
}

void TMediaDevice::Deliver(int flag, quint64 generation) {
  if (generation != generation_) return;
  if (EventWait::Waiting()) {
    QTimer::singleShot(kHeldReportRetryMs, this, [this, flag, generation] { Deliver(flag, generation); });
    return;
  }
  if (OnNotify) OnNotify(flag);
}

void TMediaDevice::EndPendingPlay(int flag) {
  if (!playNotify_) return;
  playNotify_ = false;
  Notify(flag);
}
