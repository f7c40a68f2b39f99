#include "support/ui/EventLoopWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTimer>

namespace {

// Runs the loop until something happened; the waker bounds each wait so that deadlines are seen.
template <typename Stop>
void ProcessWhile(const QDeadlineTimer& deadline, Stop stop) {
  QTimer waker;
  waker.start(2);
  while (!stop() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
  ProcessWhile(QDeadlineTimer(timeoutMs), done);
  return done();
}

void ProcessEventsFor(int ms) {
  ProcessWhile(QDeadlineTimer(ms), [] { return false; });
}
