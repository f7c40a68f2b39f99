#pragma once
// The error kinds the program raises. Whatever reaches the message loop is discarded by the
// application object; callers that tolerate a failure catch it themselves. Every message is
// UTF-8: book text (Windows-1251) is converted as it enters one, with Cp1251ToUtf8.

#include "platform/Cp1251.h"

#include <stdexcept>
#include <string>

// A file found neither in the pack nor on disk: "Cannot open file %s".
struct EFOpenError : std::runtime_error {
  explicit EFOpenError(const std::string& fileName)
      : std::runtime_error("Cannot open file " + Cp1251ToUtf8(fileName)), fileName(fileName) {}
  std::string fileName;  // Windows-1251
};

// A text that should be a number is not.
struct EConvertError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A damaged resource pack, description or index: the message says which and where.
struct EDataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
