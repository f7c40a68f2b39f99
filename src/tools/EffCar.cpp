#include "tools/EffCar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TEffCar::TEffCar(QWidget* window) : QObject(window), window_(window), timer_(std::make_unique<TSuperTimer>()) {
  timer_->SetPriority(TThreadPriority::Highest);
  timer_->SetInterval(1);
  timer_->OnTimer = [this](TSuperTimer*) { Tick(); };
}

// The timer goes first, so that no tick reaches a half-destroyed effect.
TEffCar::~TEffCar() { timer_.reset(); }

QImage TEffCar::GrabScreen(const QRect& screenRect) {
  QScreen* screen = QGuiApplication::screenAt(screenRect.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect local = screenRect.translated(-screen->geometry().topLeft());
  return screen->grabWindow(0, local.x(), local.y(), local.width(), local.height()).toImage();
}

void TEffCar::Start(const QRect& screenRect, const QImage& behind) {
  timer_->SetEnabled(false);
  const QSize size = screenRect.size();
  QImage under(size, QImage::Format_RGB32);
  under.fill(Qt::black);
  if (!behind.isNull()) under = behind.scaled(size).convertToFormat(QImage::Format_RGB32);
  behind_ = std::make_unique<TFastBMP>();
  behind_->LoadFromImage(under);
  front_ = std::make_unique<TFastBMP>();
  front_->LoadFromImage(window_->grab(QRect(QPoint(0, 0), size)).toImage().scaled(size));
  blend_ = std::make_unique<TFastBMP>();
  blend_->LoadFromImage(under);
  frame_ = blend_->ToImage();
  running_ = true;
  if (OnStart) OnStart();
  timer_->SetEnabled(true);
}

void TEffCar::Show(int alpha) {
  if (!blend_ || !Blend(*blend_, *front_, *behind_, alpha)) return;
  frame_ = blend_->ToImage();
  window_->repaint();
}

void TEffCar::Tick() {
  if (!running_) return;
  const int alpha = timer_->Count() * AlphaStep;
  if (alpha <= 255) {
    Show(alpha);
    return;
  }
  Finish();
}

void TEffCar::Finish() {
  if (!running_) return;
  timer_->SetEnabled(false);
  Show(255);
  running_ = false;
  behind_.reset();
  front_.reset();
  blend_.reset();
  frame_ = QImage();
  if (OnFinish) OnFinish();
  window_->update();
}
