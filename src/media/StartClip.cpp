#include "media/StartClip.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "media/CodecInstall.h"
#include "platform/Globals.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kStartMs = 10;
constexpr int kStartWatchMs = 500;
constexpr int kEndWatchMs = 100;
constexpr int kRetries = 10;
constexpr int kFrame = 10;  // the framed window's bevel on each edge
const QColor kNavy(0, 0, 128);

}  // namespace

TStartClip::TStartClip(QWidget* owner, std::string clipFile, bool fullScreen, std::function<void()> finished)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      clipFile_(std::move(clipFile)),
      fullScreen_(fullScreen),
      finished_(std::move(finished)) {
  setWindowTitle(QStringLiteral("StartClip"));
  QPalette navy = palette();
  navy.setColor(QPalette::Window, kNavy);
  setPalette(navy);
  setAutoFillBackground(true);
  FormCreate();
}

TStartClip::~TStartClip() { FormDestroy(); }

// The window is shown only once the video plays: until then it has no size to show.
void TStartClip::FormCreate() {
  setGeometry(0, 0, 0, 0);
  client_ = new QWidget(this);
  startTimer_ = NewTimer(kStartMs, &TStartClip::Start);
  startWatchTimer_ = NewTimer(kStartWatchMs, &TStartClip::StartWatch);
  endWatchTimer_ = NewTimer(kEndWatchMs, &TStartClip::EndWatch);
  startTimer_->start();
}

QTimer* TStartClip::NewTimer(int intervalMs, void (TStartClip::*step)()) {
  auto* timer = new QTimer(this);
  timer->setInterval(intervalMs);
  // Nothing may unwind into the event loop; a failure ends the clip.
  connect(timer, &QTimer::timeout, this, [this, step] {
    try {
      (this->*step)();
    } catch (const std::exception& e) {
      qCWarning(lcErrors) << "start clip:" << e.what();
      Finish();
    }
  });
  return timer;
}

void TStartClip::FormDestroy() {
  for (QTimer* timer : {startTimer_, startWatchTimer_, endWatchTimer_})
    if (timer) timer->stop();
  StartPlayer.reset();
}

void TStartClip::Start() {
  startTimer_->stop();
  StartPlayer = std::make_unique<TMPlayer>(this);
  StartPlayer->FileName = Global.ProgramFolder + clipFile_;
  StartPlayer->SetDisplay(fullScreen_ ? this : client_);
  try {
    StartPlayer->Open();
  } catch (const EMCIDeviceError& e) {
    const int error = StartPlayer->Error();
    if (error == Mci::kFileNotFound || error == Mci::kInvalidFile || error == Mci::kFileRead) {
      Finish();
      return;
    }
    InstallMpegDriver();
    StartPlayer->Open();  // a second failure ends the clip
  }

  QRect rect;
  StartPlayer->GetDisplayRect(rect);
  int w = rect.width(), h = rect.height();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int screenWidth = screen.width(), screenHeight = screen.height();
  if (fullScreen_) {
    StartPlayer->SetDisplayRect(QRect(screenWidth / 2 - w / 2, screenHeight / 2 - h / 2, w, h));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setGeometry(0, 0, screenWidth, screenHeight);
  } else {
    StartPlayer->SetDisplayRect(QRect(0, 0, w, h));
    StartPlayer->GetDisplayRect(rect);
    w = rect.width();
    h = rect.height();
    setGeometry(screenWidth / 2 - w / 2 - 20, screenHeight / 2 - h / 2 - 20, w + 2 * kFrame, h + 2 * kFrame);
    client_->setGeometry(kFrame, kFrame, w, h);
  }
  StartPlayer->Play();
  startWatchTimer_->start();
}

void TStartClip::StartWatch() {
  if (StartPlayer->Mode() == TMPMode::mpPlaying) {
    startWatchTimer_->stop();
    endWatchTimer_->start();
    show();
    raise();
    activateWindow();
    setFocus();
  } else if (RetryCount == kRetries) {
    startWatchTimer_->stop();
    endWatchTimer_->start();
  } else {
    StartPlayer->SetNotify(false);
    ++RetryCount;
    StartPlayer->Play();
  }
}

void TStartClip::EndWatch() {
  if (StartPlayer->Mode() == TMPMode::mpPlaying) return;
  endWatchTimer_->stop();
  StartPlayer->Close();
  Finish();
}

void TStartClip::FormKeyDown(int key) {
  if (key != Qt::Key_Escape) return;
  startWatchTimer_->stop();
  endWatchTimer_->stop();
  if (StartPlayer) StartPlayer->Close();
  Finish();
}

void TStartClip::keyPressEvent(QKeyEvent* event) { FormKeyDown(event->key()); }

void TStartClip::Finish() {
  for (QTimer* timer : {startTimer_, startWatchTimer_, endWatchTimer_}) timer->stop();
  close();
  // Only once, whatever ended the clip.
  if (const auto finished = std::exchange(finished_, nullptr)) finished();
}

// The framed window's edge: a raised bevel 10 pixels wide round the video.
void TStartClip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (fullScreen_) return;
  const QRect outer = rect();
  for (int i = 0; i < kFrame; ++i) {
    const QRect r = outer.adjusted(i, i, -i - 1, -i - 1);
    const int shade = 128 + 10 * (kFrame - i);
    painter.setPen(QColor(shade, shade, std::min(255, shade + 40)));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(shade / 3, shade / 3, shade / 2));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }
}
