#pragma once
// One media device under the program's control (wave and MPEG sound, AVI and MPEG video): a
// file is opened, played, paused, resumed, stopped and sought, its video is drawn into a window
// of the program (`Display`), and the end of a play is reported through OnNotify.
//
// Reports: Play and Resume report how they ended unless SetNotify(false) was called just
// before; every other command reports only when SetNotify(true) was called since the last
// command that used that choice. Commands that need an open device raise EMCIDeviceError "No
// MCI device open" on a closed player; the device's own failures are returned and kept in
// Error(). Times are milliseconds.

#include "platform/ui/MediaDevice.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <string>

class QWidget;

// The device's mode, in the interface's order.
enum class TMPMode { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum class TMPNotifyValue { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

class TMPlayer : public QObject {
 public:
  explicit TMPlayer(QObject* owner = nullptr);
  ~TMPlayer() override;

  // Windows name (Windows-1251); a name without a drive is taken from the current folder. The
  // resource pack's copy is played when the pack holds the file.
  std::string FileName;
  // Play at the end starts again from the beginning.
  bool AutoRewind = false;
  std::function<void(TMPlayer*)> OnNotify;

  QWidget* Display() const { return display_; }
  // Attached at once when the device is open and has video, else at the next open.
  void SetDisplay(QWidget* display);

  // Raises EMCIDeviceError with the device's text; Error() keeps the number (Mci::kFileNotFound,
  // kInvalidFile, kFileRead or another). The player is closed after a failure.
  void Open();
  void Close();  // never raises
  int Play();
  int Stop();
  int PauseOnly();
  // When the device cannot resume, plays instead (with the same choice of report).
  int Resume();
  // Pauses a playing device, resumes a paused one, leaves any other alone.
  void Pause();
  int Seek(int to);
  void SetNotify(bool value);
  // 0 is milliseconds, the only format kept.
  void SetTimeFormat(int format);
  int Length();
  int Position() const;  // 0 when closed
  TMPMode Mode() const;  // mpNotReady when closed
  // The video's place in Display (left, top, width, height); untouched without video.
  void GetDisplayRect(QRect& rect) const;
  // A width and height both 0 stand for the natural size.
  void SetDisplayRect(const QRect& rect);
  std::string ErrorMessage() const;  // UTF-8

  int DeviceID() const { return deviceId_; }
  bool HasVideo() const { return hasVideo_; }
  QSize NaturalSize() const { return naturalSize_; }
  int Error() const { return error_; }
  TMPNotifyValue NotifyValue() const { return notifyValue_; }
  // The device itself, for what the program adds to the interface: the music's volume, the
  // picture of the video.
  TMediaDevice& Device() { return device_; }

 private:
  void RequireOpen() const;
  bool TakeNotify(bool byDefault);
  void Notified(int flag);
  void DisplayDestroyed(QObject* display);

  TMediaDevice device_;
  QPointer<QWidget> display_;
  bool opened_ = false;
  int deviceId_ = 0;
  bool hasVideo_ = false;
  QSize naturalSize_;
  int error_ = 0;
  TMPNotifyValue notifyValue_ = TMPNotifyValue::nvSuccessful;
  bool useNotify_ = false;
  bool notify_ = false;
};
