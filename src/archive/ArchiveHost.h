#pragma once
// What the archive browser needs of the window it works in. The main window implements it;
// tests give a stand-in. Names are Windows names, texts Windows-1251.

#include <optional>
#include <string>

class TArchiveHost {
 public:
  virtual ~TArchiveHost() = default;

  // A message for the reader: open failures, damaged members, missing volumes, refused names.
  virtual void ShowArchiveMessage(const std::string& text) = 0;

  // The document pane's current viewer: its archive mode, and showing a file in it (a file
  // that cannot be shown throws, as the pane's ShowFile does).
  virtual bool IsArchiveMode() const = 0;
  virtual void SetArchiveMode(bool on) = 0;
  virtual void ShowFile(const std::string& file) = 0;

  // The folder in the path input box of the current screen, ending in '\'; nullopt when the
  // window has no path input box, empty when the screen shows none.
  virtual std::optional<std::string> InstallFolder() const = 0;

  // The busy state: the hourglass, and commands refused meanwhile.
  virtual void SetBusy(bool on) = 0;
  // How far a long extraction has come, in percent; EndProgress when it is over.
  virtual void ShowProgress(int percent) = 0;
  virtual void EndProgress() = 0;
};
