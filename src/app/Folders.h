#pragma once
// Where the book, the disc and the stand-ins for the Windows folders are on this host.

#include <QString>
#include <string>

struct TFolders {
  QString discHost;  // host folder that is drive d:
  std::string programFolder, discRoot, packRoot, tempFolder, windowsFolder, systemFolder;
};

// The disc is `discDir` when given, else the book folder with its first "run" component
// removed, else the book folder itself.
TFolders ComputeFolders(const QString& bookDir, const QString& discDir = {});

// Makes the values global and maps drive d: to the disc.
void ApplyFolders(const TFolders& folders);

// `text` with its first "run\" removed, letter case ignored.
std::string RemoveFirstRun(const std::string& text);
