#include "tools/EffBtnCar.h"

#include <algorithm>

TEffBtnCar::TEffBtnCar(TFadeHost* host, QObject* owner)
    : QObject(owner), host_(host), fadeTimer_(std::make_unique<TSuperTimer>()) {
  fadeTimer_->SetPriority(TThreadPriority::Highest);
  fadeTimer_->SetInterval(1);
  fadeTimer_->OnTimer = [this](TSuperTimer*) { FadeTick(); };
}

// The timer goes first, so that no tick reaches a half-destroyed effect.
TEffBtnCar::~TEffBtnCar() { fadeTimer_.reset(); }

void TEffBtnCar::SetStep(int value) { step_ = std::max(value, 1); }

void TEffBtnCar::StartFade(const QImage& from, const QImage& to, QPoint at) {
  x_ = at.x();
  y_ = at.y();
  if (running_) {
    startLevel_ = std::clamp(255 - (fadeTimer_->Count() * step_ + startLevel_), 0, 255);
    fadeTimer_->SetEnabled(false);
  }
  if (!fromBuffer_) fromBuffer_ = std::make_unique<TFastBMP>();
  if (!toBuffer_) toBuffer_ = std::make_unique<TFastBMP>();
  if (!outBuffer_) outBuffer_ = std::make_unique<TFastBMP>();
  fromBuffer_->LoadFromImage(from);
  toBuffer_->LoadFromImage(to);
  outBuffer_->SetSize(fromBuffer_->Width(), fromBuffer_->Height());
  running_ = true;
  fadeTimer_->SetEnabled(true);
}

void TEffBtnCar::StopFade() {
  fadeTimer_->SetEnabled(false);
  startLevel_ = 0;
  running_ = false;
  FreeBuffers();
}

void TEffBtnCar::FadeTick() {
  if (!fadeTimer_->Enabled() || !fromBuffer_ || !toBuffer_ || !outBuffer_) return;
  const int level = fadeTimer_->Count() * step_ + startLevel_;
  // A refused blend (pictures of different sizes) leaves nothing worth drawing.
  if (level < 256) {
    if (Blend(*outBuffer_, *toBuffer_, *fromBuffer_, level)) DrawFade();
    return;
  }
  fadeTimer_->SetEnabled(false);
  if (Blend(*outBuffer_, *toBuffer_, *fromBuffer_, 255)) DrawFade();
  startLevel_ = 0;
  running_ = false;
  FreeBuffers();
}

void TEffBtnCar::DrawFade() {
  if (!outBuffer_ || !host_ || !host_->FadeDrawable()) return;
  host_->DrawFadeFrame(outBuffer_->ToImage(), QPoint(x_, y_));
}

void TEffBtnCar::FreeBuffers() {
  fromBuffer_.reset();
  toBuffer_.reset();
  outBuffer_.reset();
}
