#pragma once
// The stream every data file is opened through: the pack's copy when the pack holds the
// file, else the file on disk, read whole into memory.

#include "app/MemoryStream.h"

#include <string>

class TComprStream : public TMemoryStream {
 public:
  enum class Mode { ReadOnly, ReadOnlyShareAll };
  // Throws EFOpenError when the file is in neither place, cannot be read, or its copy in the
  // pack is damaged. The position is 0 afterwards.
  explicit TComprStream(const std::string& fileName, Mode mode = Mode::ReadOnly);
};

// How messages name a data file (UTF-8): its place in the resource pack when the pack holds it,
// else its host path.
std::string ShownFileName(const std::string& fileName);
