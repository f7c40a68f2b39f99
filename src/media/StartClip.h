#pragma once
// The start clip: before the main window shows, the description's "rolic" video plays in a
// window of its own, full-screen on black or in a small framed window in the middle of the
// screen. It ends by itself, by Escape, or when the video cannot start; then `Finished` runs
// (the main window's FinishStartup).

#include "media/MPlayer.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class QTimer;

class TStartClip : public QWidget {
 public:
  // `clipFile` is relative to ProgramFolder; `fullScreen` when the description's
  // "background" is neither empty nor "no".
  TStartClip(QWidget* owner, std::string clipFile, bool fullScreen, std::function<void()> finished);
  ~TStartClip() override;

  std::unique_ptr<TMPlayer> StartPlayer;
  int RetryCount = 0;
  bool Finished() const { return finished_ == nullptr; }

  void FormCreate();
  void FormKeyDown(int key);
  void FormDestroy();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer* NewTimer(int intervalMs, void (TStartClip::*step)());
  void Start();
  void StartWatch();
  void EndWatch();
  void Finish();

  std::string clipFile_;
  bool fullScreen_;
  std::function<void()> finished_;
  QWidget* client_ = nullptr;  // the framed window's inside, where the video is drawn
  QTimer* startTimer_ = nullptr;
  QTimer* startWatchTimer_ = nullptr;
  QTimer* endWatchTimer_ = nullptr;
};
