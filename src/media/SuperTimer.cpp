#include "media/SuperTimer.h"

#include "app/Log.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <chrono>
#include <exception>

namespace {

const QEvent::Type TickEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

QThread::Priority ToQtPriority(TThreadPriority p) {
  switch (p) {
    case TThreadPriority::Idle: return QThread::IdlePriority;
    case TThreadPriority::Lowest: return QThread::LowestPriority;
    case TThreadPriority::BelowNormal: return QThread::LowPriority;
    case TThreadPriority::Normal: return QThread::NormalPriority;
    case TThreadPriority::AboveNormal: return QThread::HighPriority;
    case TThreadPriority::Highest: return QThread::HighestPriority;
    case TThreadPriority::TimeCritical: return QThread::TimeCriticalPriority;
  }
  return QThread::NormalPriority;
}

std::int64_t MultimediaTime() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TTimerThread::TTimerThread(TSuperTimer& timer) : timer_(timer) {}

TTimerThread::~TTimerThread() { Stop(); }

void TTimerThread::Resume() {
  {
    std::lock_guard lock(mutex_);
    suspended_ = false;
  }
  wake_.notify_all();
  if (!started_) {
    started_ = true;
    start();
  }
}

void TTimerThread::Suspend() {
  std::lock_guard lock(mutex_);
  suspended_ = true;
}

void TTimerThread::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  wait();
}

void TTimerThread::TickDone() {
  {
    std::lock_guard lock(mutex_);
    tickPending_ = false;
  }
  wake_.notify_all();
}

void TTimerThread::run() {
  setPriority(ToQtPriority(timer_.Priority()));
  const auto sleepTime = std::chrono::milliseconds(timer_.Interval());
  std::unique_lock lock(mutex_);
  const auto mayGoOn = [this] { return stopping_ || !suspended_; };
  for (;;) {
    wake_.wait(lock, mayGoOn);
    if (stopping_) return;
    const auto wakeAt = std::chrono::steady_clock::now() + sleepTime;
    if (wake_.wait_until(lock, wakeAt, [this] { return stopping_; })) return;
    // A suspension that came during the sleep holds the tick back until the next resume.
    wake_.wait(lock, mayGoOn);
    if (stopping_) return;
    timer_.elapsed_ += timer_.Interval();
    tickPending_ = true;
    lock.unlock();
    QCoreApplication::postEvent(&timer_, new QEvent(TickEvent));
    lock.lock();
    wake_.wait(lock, [this] { return stopping_ || !tickPending_; });
    if (stopping_) return;
  }
}

TSuperTimer::TSuperTimer(QObject* owner) : QObject(owner), thread_(std::make_unique<TTimerThread>(*this)) {}

// The thread is joined before QObject's destructor drops a tick still queued for this timer.
TSuperTimer::~TSuperTimer() { thread_->Stop(); }

void TSuperTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TSuperTimer::SetInterval(std::uint16_t value) {
  if (value == interval_) return;
  if (enabled_) thread_->Suspend();
  interval_ = value;
  UpdateTimer();
}

void TSuperTimer::SetPriority(TThreadPriority value) { priority_ = value; }

void TSuperTimer::UpdateTimer() {
  if (!enabled_) {
    thread_->Suspend();
    return;
  }
  elapsed_ = 0;
  count_ = 0;
  startTime_ = MultimediaTime();
  thread_->Resume();
}

bool TSuperTimer::event(QEvent* e) {
  if (e->type() != TickEvent) return QObject::event(e);
  // A tick handed over before the timer was disabled is dropped: a disabled timer stays quiet.
  QPointer<TSuperTimer> alive(this);
  if (enabled_) Tick();
  if (alive) thread_->TickDone();
  return true;
}

void TSuperTimer::Tick() {
  if (!QCoreApplication::instance() || QCoreApplication::closingDown()) return;
  ++count_;
  if (!OnTimer) return;
  // A copy, so that a handler that destroys the timer does not destroy itself while running.
  const auto handler = OnTimer;
  try {
    handler(this);
  } catch (const std::exception& error) {
    qCWarning(lcErrors) << "Timer handler failed:" << error.what();
  } catch (...) {
    qCWarning(lcErrors) << "Timer handler failed";
  }
}
