#pragma once
// A process on the window bus that never answers: a live process (sleep) whose announcement
// names one window, and a socket that takes connections and reads nothing.

#include <QLocalServer>
#include <QProcess>
#include <QString>

class TFakeBusPeer {
 public:
  TFakeBusPeer(const QString& busFolder, const QString& caption, const QString& group);
  ~TFakeBusPeer();
  qint64 Pid() const { return pid_; }
  quint64 Handle() const { return (static_cast<quint64>(pid_) << 32) | 1; }

 private:
  QProcess sleeper_;
  QLocalServer server_;
  qint64 pid_ = 0;
};

// The id of a process that has ended.
qint64 EndedProcessId();
