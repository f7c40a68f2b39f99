#pragma once
// The media control interface the program was written for, over Qt Multimedia and its
// GStreamer back end: open a file, play, pause, resume, stop and seek it, ask its mode,
// position and length, draw its video into a window, and be told when a command has finished.
// Commands answer at once with 0 or one of the interface's error numbers. A command given with
// `notify` reports how it ended later, from the event loop, through OnNotify; a play reports
// when it reaches the end, or that it was cut short. Times are milliseconds.
//
// The interface's rules are kept where callers rely on them: stopping keeps the position,
// seeking stops, playing at the end ends at once, and resuming works only on a paused device.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

class QAudioOutput;
class QBuffer;
class QMediaPlayer;
class QVideoFrame;
class QVideoSink;
class TVideoSurface;

namespace Mci {

// Error numbers callers tell apart; every other failure (no media back end, a command that
// does not apply in the device's state) is kDeviceError.
inline constexpr int kFileNotFound = 275;
inline constexpr int kInvalidFile = 296;  // the back end cannot decode it
inline constexpr int kFileRead = 348;     // it is there but cannot be read
inline constexpr int kDeviceError = 276;

// Modes, numbered as the interface numbers them.
inline constexpr int kModeNotReady = 524;
inline constexpr int kModeStopped = 525;
inline constexpr int kModePlaying = 526;
inline constexpr int kModePaused = 529;

// How a command that asked to be reported ended.
inline constexpr int kNotifySuccessful = 1;
inline constexpr int kNotifySuperseded = 2;  // a later play or resume replaced it
inline constexpr int kNotifyAborted = 4;     // stop, pause, seek or close cut it short
inline constexpr int kNotifyFailure = 8;     // the back end failed while playing

// The text for an error number; empty for a number the interface does not know.
QString ErrorText(int code);

}  // namespace Mci

// What to open: a file of the host, or the bytes of one (taken from the resource pack) with the
// file's name.
struct TMediaSource {
  QString hostFile;
  QByteArray data;
  QString name;
};

class TMediaDevice : public QObject {
  Q_OBJECT
 public:
  explicit TMediaDevice(QObject* parent = nullptr);
  ~TMediaDevice() override;

  // Called from the event loop, never inside a command or a wait of EventWait.
  std::function<void(int notifyFlag)> OnNotify;

  // Waits until the back end has read the file (at most a few seconds: a file it cannot make
  // sense of in that time counts as invalid).
  int Open(const TMediaSource& source, bool notify);
  int Close(bool notify);
  int Play(bool notify);
  int Resume(bool notify);  // kDeviceError unless paused
  int Pause(bool notify);
  int Stop(bool notify);
  int Seek(qint64 to, bool notify);  // `to` is kept within 0 … length

  bool IsOpen() const { return player_ != nullptr; }
  int Mode() const;
  qint64 Position() const;
  qint64 Length() const { return length_; }
  bool HasVideo() const { return hasVideo_; }
  QSize NaturalSize() const { return naturalSize_; }

  // The window the video is drawn in; none: a window of the device's own, shown while it plays.
  void SetWindow(QWidget* window);
  QWidget* Window() const { return window_; }
  // Where in that window; the natural size at 0, 0 after an open.
  QRect Destination() const { return destination_; }
  void PutDestination(const QRect& rect);
  // Takes the drawn video away (the window's own picture shows) until the next play or resume.
  void HideVideo();
  QImage CurrentFrame() const { return frame_; }

  // 16-bit volumes, left in the low word, right in the high word; full at creation. Safe from
  // any thread: the player takes the new level on the GUI thread.
  quint32 Volume() const { return volume_; }
  void SetVolume(quint32 leftRight);

 private:
  void Notify(int flag);
  void Deliver(int flag, quint64 generation);
  void EndPendingPlay(int flag);
  void MediaStatusChanged();
  void FrameArrived(const QVideoFrame& frame);
  void ApplyVolume();
  void ShowVideo();
  void ReleasePlayer();

  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  QVideoSink* sink_ = nullptr;
  std::unique_ptr<QBuffer> buffer_;
  QPointer<TVideoSurface> surface_;
  QPointer<QWidget> window_;
  QRect destination_;
  QImage frame_;
  QString name_;
  qint64 length_ = 0;
  bool hasVideo_ = false;
  QSize naturalSize_;
  bool stopped_ = false;  // stopped by a command or a seek: the position stays
  bool ended_ = false;    // played to the end
  bool failed_ = false;
  bool playNotify_ = false;  // a play waits to report its end
  quint64 generation_ = 0;   // a new open makes earlier reports stale
  std::atomic<quint32> volume_{0xFFFFFFFF};
  std::atomic<bool> volumeQueued_{false};
};

// Qt Multimedia picks its back end when the first player is made: GStreamer, which plays
// through a stand-in output on machines without sound. QT_MEDIA_BACKEND still overrides it.
void ChooseMediaBackend();
