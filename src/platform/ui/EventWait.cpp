#include "platform/ui/EventWait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

int depth = 0;

}  // namespace

namespace EventWait {

bool Until(const std::function<bool()>& done, int timeoutMs) {
  if (done()) return true;
  ++depth;
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(2);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || clock.hasExpired(timeoutMs)) loop.quit();
  });
  poll.start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  --depth;
  return done();
}

bool Waiting() { return depth > 0; }

}  // namespace EventWait
