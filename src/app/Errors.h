#pragma once
// The error kinds the program raises. Whatever reaches the message loop is discarded by the
// application object; callers that tolerate a failure catch it themselves. Every message is
// UTF-8: book text (Windows-1251) is converted as it enters one, with Cp1251ToUtf8.

#include "platform/Cp1251.h"

#include <QString>
#include <stdexcept>
#include <string>

// A file that cannot be opened: "Cannot open file %s", where %s names the file as the reader
// can find it (its host path, or its place in the resource pack) and says what is wrong.
struct EFOpenError : std::runtime_error {
  EFOpenError(const std::string& fileName, const std::string& shownName, const std::string& problem)
      : std::runtime_error("Cannot open file " + shownName + ": " + problem), fileName(fileName) {}
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

// The media device refused a command: "No MCI device open", or its own text for the error
// number the player keeps.
struct EMCIDeviceError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The host path of a Windows name, for messages (UTF-8); the Windows name itself on a drive
// that has no host folder.
std::string HostNameForMessage(const std::string& windowsName);
// What keeps the host file `host` from being read: "it does not exist", "it is a folder", ...
std::string FileProblem(const QString& host);
