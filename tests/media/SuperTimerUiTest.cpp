#include "media/SuperTimer.h"
#include "support/ui/EventLoopWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

std::unique_ptr<TSuperTimer> FastTimer() {
  auto timer = std::make_unique<TSuperTimer>();
  timer->SetInterval(1);
  return timer;
}

}  // namespace

TEST(SuperTimer, StartsDisabledWithDefaults) {
  TSuperTimer timer;
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_EQ(timer.Priority(), TThreadPriority::AboveNormal);
  EXPECT_EQ(timer.Count(), 0);
  EXPECT_EQ(timer.Elapsed(), 0);
}

TEST(SuperTimer, TicksRunOnTheGuiThreadOneAtATime) {
  auto timer = FastTimer();
  int offThread = 0;
  int depth = 0;
  int maxDepth = 0;
  timer->OnTimer = [&](TSuperTimer* sender) {
    EXPECT_EQ(sender, timer.get());
    if (QThread::currentThread() != QCoreApplication::instance()->thread()) ++offThread;
    maxDepth = std::max(maxDepth, ++depth);
    // A slow handler: further ticks must wait for it rather than pile up.
    QThread::msleep(3);
    --depth;
  };
  timer->SetEnabled(true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return timer->Count() >= 5; }));
  EXPECT_EQ(offThread, 0);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GE(timer->Elapsed(), timer->Count());
}

TEST(SuperTimer, EveryPriorityTicks) {
  for (auto priority :
       {TThreadPriority::Idle, TThreadPriority::Lowest, TThreadPriority::BelowNormal, TThreadPriority::Normal,
        TThreadPriority::AboveNormal, TThreadPriority::Highest, TThreadPriority::TimeCritical}) {
    SCOPED_TRACE(static_cast<int>(priority));
    auto timer = FastTimer();
    timer->SetPriority(priority);
    timer->SetEnabled(true);
    EXPECT_TRUE(ProcessEventsUntil([&] { return timer->Count() >= 2; }));
  }
}

TEST(SuperTimer, ReenablingRestartsTheCount) {
  auto timer = FastTimer();
  int firstCountAfterRestart = -1;
  bool restarted = false;
  timer->OnTimer = [&](TSuperTimer* t) {
    if (restarted && firstCountAfterRestart < 0) firstCountAfterRestart = t->Count();
  };
  timer->SetEnabled(true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return timer->Count() >= 3; }));

  timer->SetEnabled(false);
  const int countWhenDisabled = timer->Count();
  ProcessEventsFor(30);
  EXPECT_EQ(timer->Count(), countWhenDisabled) << "a disabled timer ticked";

  restarted = true;
  timer->SetEnabled(true);
  EXPECT_EQ(timer->Count(), 0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return firstCountAfterRestart >= 0; }));
  EXPECT_EQ(firstCountAfterRestart, 1);
}

TEST(SuperTimer, EnablingAnEnabledTimerChangesNothing) {
  auto timer = FastTimer();
  timer->SetEnabled(true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return timer->Count() >= 3; }));
  const int count = timer->Count();
  const auto startTime = timer->StartTime();
  timer->SetEnabled(true);
  EXPECT_EQ(timer->Count(), count);
  EXPECT_EQ(timer->StartTime(), startTime);
  EXPECT_TRUE(ProcessEventsUntil([&] { return timer->Count() > count; }));
}

TEST(SuperTimer, ExceptionInHandlerDoesNotStopTheTimer) {
  auto timer = FastTimer();
  timer->OnTimer = [](TSuperTimer* t) {
    if (t->Count() % 2) throw std::runtime_error("broken handler");
    throw 42;
  };
  timer->SetEnabled(true);
  EXPECT_TRUE(ProcessEventsUntil([&] { return timer->Count() >= 6; }));
}

enum class DestroyWay { WhileTicking, ByOwner, DeleteLaterInHandler, DeleteInHandler, DuringHandOver };

class SuperTimerDestruction : public ::testing::TestWithParam<DestroyWay> {};

TEST_P(SuperTimerDestruction, IsCleanAndStopsTheTicks) {
  auto owner = std::make_unique<QObject>();
  QPointer<TSuperTimer> timer = new TSuperTimer(owner.get());
  timer->SetInterval(1);
  auto ticks = std::make_shared<int>(0);
  const DestroyWay way = GetParam();
  timer->OnTimer = [ticks, way](TSuperTimer* t) {
    ++*ticks;
    if (*ticks != 3) return;
    if (way == DestroyWay::DeleteLaterInHandler) t->deleteLater();
    if (way == DestroyWay::DeleteInHandler) delete t;
  };
  timer->SetEnabled(true);

  int ticksAtDestruction = 0;
  switch (way) {
    case DestroyWay::WhileTicking:
    case DestroyWay::ByOwner:
      ASSERT_TRUE(ProcessEventsUntil([&] { return *ticks >= 3; }));
      ticksAtDestruction = *ticks;
      if (way == DestroyWay::ByOwner)
        owner.reset();
      else
        delete timer.data();
      break;
    case DestroyWay::DeleteLaterInHandler:
    case DestroyWay::DeleteInHandler: {
      QObject::connect(timer.data(), &QObject::destroyed, [&] { ticksAtDestruction = *ticks; });
      ASSERT_TRUE(ProcessEventsUntil([&] { return timer.isNull(); }));
      break;
    }
    case DestroyWay::DuringHandOver: {
      // Without running the event loop the thread stays blocked in its first hand-over.
      const QDeadlineTimer deadline(20000);
      while (timer->Elapsed() == 0 && !deadline.hasExpired()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      ASSERT_GT(timer->Elapsed(), 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      delete timer.data();
      break;
    }
  }
  EXPECT_TRUE(timer.isNull());
  ProcessEventsFor(50);
  EXPECT_EQ(*ticks, ticksAtDestruction);
}

INSTANTIATE_TEST_SUITE_P(Ways, SuperTimerDestruction,
                         ::testing::Values(DestroyWay::WhileTicking, DestroyWay::ByOwner,
                                           DestroyWay::DeleteLaterInHandler, DestroyWay::DeleteInHandler,
                                           DestroyWay::DuringHandOver));
