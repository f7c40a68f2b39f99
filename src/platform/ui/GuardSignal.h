#pragma once
// A signal from a process that a named guard turned away to the process that holds the guard:
// a second start of a book asks the running one to show its window. A local socket in the
// guard's folder, which only the user can reach.

#include <QObject>
#include <functional>
#include <string>

class QLocalServer;

class TGuardSignal : public QObject {
 public:
  // Listens for the guard `name` (Windows-1251); call only while holding it. `onSignal` runs
  // on the GUI thread for every signal received.
  TGuardSignal(const std::string& name, std::function<void()> onSignal);

  // Signals the holder of `name`; false when nobody listens.
  static bool Send(const std::string& name);

 private:
  QLocalServer* server_;
  std::function<void()> onSignal_;
};
