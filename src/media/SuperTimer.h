#pragma once
// A timer for animations that need ticks every millisecond or two. A thread of its own sleeps
// for the interval and hands each tick to the GUI thread, waiting until it has run there: the
// handler always runs on the GUI thread, and a slow handler stretches the period instead of
// piling up ticks.

#include <QObject>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

enum class TThreadPriority { Idle, Lowest, BelowNormal, Normal, AboveNormal, Highest, TimeCritical };

class TSuperTimer;

// Sleeps and hands ticks over. "Suspended" means waiting on a condition variable; the run
// begins at the first Resume and keeps the sleep time it took then.
class TTimerThread : public QThread {
 public:
  explicit TTimerThread(TSuperTimer& timer);
  ~TTimerThread() override;

  void Resume();
  void Suspend();
  // Ends the run and joins. Safe while the thread waits for a tick the GUI thread has not run.
  void Stop();
  // The GUI thread has finished the tick handed over to it.
  void TickDone();

 protected:
  void run() override;

 private:
  TSuperTimer& timer_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool suspended_ = true;
  bool stopping_ = false;
  bool tickPending_ = false;
  bool started_ = false;
};

class TSuperTimer : public QObject {
  Q_OBJECT

 public:
  explicit TSuperTimer(QObject* owner = nullptr);
  ~TSuperTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);  // enabling an enabled timer changes nothing
  // The thread takes the interval and the priority once, when it first runs: set both before
  // the first enable. Priorities map to the host's thread priorities as far as it has them.
  std::uint16_t Interval() const { return interval_; }
  void SetInterval(std::uint16_t value);
  TThreadPriority Priority() const { return priority_; }
  void SetPriority(TThreadPriority value);
  // Ticks run since the last enable; animations compute how far they have gone from it.
  int Count() const { return count_; }
  // Monotonic milliseconds at the last enable.
  std::int64_t StartTime() const { return startTime_; }
  // Nominal milliseconds since the last enable: ticks handed over × Interval.
  int Elapsed() const { return elapsed_; }
  // When enabled: restarts the counters and lets the thread run; otherwise suspends it.
  void UpdateTimer();

  std::function<void(TSuperTimer*)> OnTimer;

 protected:
  bool event(QEvent* e) override;

 private:
  friend class TTimerThread;
  void Tick();

  bool enabled_ = false;
  std::atomic<std::uint16_t> interval_{1000};
  std::atomic<TThreadPriority> priority_{TThreadPriority::AboveNormal};
  int count_ = 0;
  std::int64_t startTime_ = 0;
  std::atomic<int> elapsed_{0};
  std::unique_ptr<TTimerThread> thread_;
};
