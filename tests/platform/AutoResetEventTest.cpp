#include "platform/AutoResetEvent.h"
#include "platform/MultimediaTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(AutoResetEvent, ReleasesOneWaitAndResets) {
  TAutoResetEvent event("Adj_Volume");
  EXPECT_EQ(event.Name(), "Adj_Volume");
  EXPECT_FALSE(event.Wait(0));
  event.Set();
  event.Set();
  EXPECT_TRUE(event.Wait(0));
  EXPECT_FALSE(event.Wait(20));
}

TEST(AutoResetEvent, ASignalFromAnotherThreadEndsTheWait) {
  TAutoResetEvent event("Adj_Volume");
  std::thread setter([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    event.Set();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(event.Wait(5000));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  setter.join();
}

TEST(MultimediaTimer, TicksOnItsThreadUntilATickEndsIt) {
  TMultimediaTimer timer;
  std::atomic<int> ticks{0};
  const auto caller = std::this_thread::get_id();
  std::atomic<bool> otherThread{true};
  timer.Start(1, [&] {
    otherThread = otherThread && std::this_thread::get_id() != caller;
    return ++ticks < 20;
  });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (timer.Running() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(ticks, 20);
  EXPECT_TRUE(otherThread);

  timer.Start(1, [&] { return ++ticks > 0; });
  timer.Stop();
  const int stopped = ticks;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(ticks, stopped);  // no tick after Stop
}

}  // namespace
