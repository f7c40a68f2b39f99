#pragma once
// A program that stands in for the book's program when it is started for another role: it
// writes down the arguments it got, one per line.

#include "support/TempDir.h"

#include <QString>
#include <QStringList>

class TProgramRecorder {
 public:
  TProgramRecorder();
  QString Program() const { return program_; }
  // The arguments of the start, once it has happened (within `timeoutMs`); empty when none.
  QStringList Arguments(int timeoutMs = 5000) const;
  bool Started() const;

 private:
  TempDir dir_;
  QString program_;
};
