#pragma once
// One archive read through libarchive, header by header: RAR 4 and RAR 5 (volume sets
// included), ZIP and 7z. Member names come out in Unicode whatever the archive declares:
// Unicode names as they are, names in the OEM code page read as code page 866.

#include "archive/ArchiveTexts.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

struct archive;

struct TArchiveHeader {
  enum class TKind { File, Folder, Link, Other };

  QString name;          // '\' between components, no trailing '\'
  std::string name1251;  // the same in Windows-1251, as listings and messages show it
  TKind kind = TKind::File;
  uint64_t size = 0;
  bool sizeKnown = false;
  uint32_t dosTime = 0;  // 0 when the archive gives none
};

class TArchiveReader {
 public:
  TArchiveReader();
  ~TArchiveReader();
  TArchiveReader(const TArchiveReader&) = delete;
  TArchiveReader& operator=(const TArchiveReader&) = delete;

  // Host files, the volumes of one set in order. Success, NoMemory, BadArchive (no archive
  // format it reads) or EOpen.
  TRarCode OpenFiles(const QStringList& hostFiles);
  // An archive held in memory (one from the resource pack).
  TRarCode OpenMemory(std::string bytes);

  // Success, EndArchive, or BadData for a header that cannot be read (the walk ends there).
  TRarCode ReadHeader(TArchiveHeader& header);
  // Passes over the current member's data: Success, BadData or ERead.
  TRarCode Skip();
  // Hands the current member's data to `sink` (offset in the member, bytes); a sink that
  // returns false stops the reading, and ReadData returns EWrite.
  using TSink = std::function<bool(uint64_t offset, const char* data, size_t size)>;
  TRarCode ReadData(const TSink& sink);

  // False after an error that leaves nothing more to read.
  bool Usable() const { return usable_; }

 private:
  TRarCode Opened(int result);
  TRarCode DataError(int result);

  struct archive* archive_ = nullptr;
  std::string memory_;
  bool usable_ = false;
};
