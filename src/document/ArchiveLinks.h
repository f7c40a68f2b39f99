#pragma once
// What the document pane asks of the archive browser, which sits above it: links to
// archives and dropped archives open it, a member followed in a listing is extracted first,
// and every page shown gets its verdict on archive mode.

#include <string>

class TArchiveLinks {
 public:
  virtual ~TArchiveLinks() = default;
  virtual void OpenArchive(const std::string& fileName, const std::string& sourceDocument) = 0;
  virtual void ExtractAll(bool toInstallFolder, bool keepPaths) = 0;
  // Does nothing until an archive has been opened.
  virtual void DocumentShown(const std::string& fileName) = 0;
};
