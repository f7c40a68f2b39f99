#pragma once
// Keeps the process-wide values (folders, title, screen, busy flag, settings store) of a test
// and puts them back when it ends.

#include <QString>
#include <string>

class TSavedGlobals {
 public:
  TSavedGlobals();
  ~TSavedGlobals();
  TSavedGlobals(const TSavedGlobals&) = delete;
  TSavedGlobals& operator=(const TSavedGlobals&) = delete;

 private:
  std::string programFolder_, discRoot_, packRoot_, systemFolder_, windowsFolder_, tempFolder_, bookTitle_;
  bool busyFlag_;
  int currentScreen_;
  QString discHost_;
  QString storeFolder_;
};
