#pragma once
// Keeps the process-wide values of a test (`Global`) and puts them back when it ends.

#include "platform/Globals.h"

class TSavedGlobals {
 public:
  TSavedGlobals() : saved_(Global) {}
  ~TSavedGlobals();
  TSavedGlobals(const TSavedGlobals&) = delete;
  TSavedGlobals& operator=(const TSavedGlobals&) = delete;

 private:
  TGlobals saved_;
};
