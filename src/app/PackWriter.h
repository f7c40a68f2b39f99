#pragma once
// Writes resource packs. Names are Windows-1251, normalised as PackNormalizeName does. Each
// folder gets one group; the root group is group 0 and every folder's group is numbered
// depth-first. A folder's entries are sorted by name, byte by byte, files and folders mixed.
// Members and the directory are zlib streams when that makes them smaller, else stored.

#include <QString>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Messages are UTF-8.
struct EPackWriteError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TPackWriter {
 public:
  TPackWriter();
  ~TPackWriter();

  // `path` has components separated by '\' or '/'; empty components are dropped, folders on
  // the way are added. Throws EPackWriteError for a name over 64 bytes, "." or "..", a file
  // given twice, or a name used for both a file and a folder.
  void AddFile(std::string_view path, std::string bytes);
  void AddFolder(std::string_view path);
  // Adds every file and folder below `hostFolder`. Links to folders are not followed.
  // Throws EPackWriteError for a name with no Windows-1251 form or a file that cannot be read.
  void AddHostFolder(const QString& hostFolder);

  std::string ToBytes() const;
  // Replaces the file only once the whole pack is written.
  void WriteFile(const QString& hostFileName) const;

  struct TNode;  // a file or folder to be written

 private:
  TNode& Folder(const std::vector<std::string>& names);
  void AddHostFolderAt(const QString& hostFolder, const std::string& path);

  std::unique_ptr<TNode> root_;
};
