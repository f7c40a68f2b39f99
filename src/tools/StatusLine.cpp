#include "tools/StatusLine.h"

#include "tools/TextMsg.h"

TStatusLine::TStatusLine(QObject* parent) : QObject(parent) {
  timer_.setInterval(BlinkInterval);
  connect(&timer_, &QTimer::timeout, this, &TStatusLine::TimerTick);
}

void TStatusLine::SetStatus(const std::string& text) {
  if (!texts_) return;
  text_ = text;
  phase_ = 1;
  texts_->SetText(text_, -1, true);
  timer_.start();
}

void TStatusLine::ClearStatus() {
  if (!texts_) return;
  timer_.stop();
  text_.clear();
  phase_ = 1;
  texts_->SetText(text_, -1, true);
}

void TStatusLine::TimerTick() {
  if (phase_ >= LastPhase) {
    timer_.stop();
    return;
  }
  if (texts_) texts_->SetText(phase_ % 2 ? std::string() : text_, -1, true);
  ++phase_;
}

void TStatusLine::ShowProgress(const std::string& text, int percent) {
  if (!texts_) return;
  timer_.stop();
  text_ = text;
  phase_ = 1;
  texts_->SetText(text_, -1, true);
  texts_->SetProgress(percent);
}

void TStatusLine::EndProgress() {
  if (!texts_) return;
  texts_->SetProgress(-1);
  ClearStatus();
}
