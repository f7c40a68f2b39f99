#pragma once
// The listing of an archive as pages: one per folder, with a ".." row up, a row per
// sub-folder and a row per member file, and the texts of the frame, bar and folder pages.
// Paths are Windows-1251 with '\' between components; folders are compared without regard
// to letter case.

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

struct TListedFolder {
  std::string name;  // no trailing '\'; the root is empty
  uint32_t time = 0;
};

struct TListedFile {
  std::string path;
  uint64_t size = 0;
  uint32_t time = 0;
};

struct TListingRow {
  bool file = false;
  std::string caption;  // folder rows: the last component, or ".."; file rows: the file name
  std::string target;   // folder rows: the page; file rows: the path inside the archive
  uint64_t size = 0;
  uint32_t time = 0;
};

struct TListingPage {
  std::string folder;
  std::string fileName;
  std::vector<TListingRow> rows;  // folder rows first, then files in archive order
};

// The folder list as the walk found it: the root first, then the archive's folder entries
// (each folder once). `AddFolderEntry` ignores the root and repeated names.
class TFolderList {
 public:
  TFolderList();
  void AddFolderEntry(const std::string& name, uint32_t time);
  // Adds the folder of every file and every folder's parent that the archive did not list,
  // each with the time of the entry that needed it, so that every file and folder has a page
  // to be on and a page to go up to. Stops at `limit` folders in all.
  void AddMissingFolders(const std::vector<TListedFile>& files, size_t limit);
  const std::vector<TListedFolder>& Folders() const { return folders_; }

 private:
  bool Add(const std::string& name, uint32_t time);
  std::vector<TListedFolder> folders_;
  std::unordered_set<std::string> keys_;  // folded names
};

// The folder part of a path (up to the last '\'), empty at the root.
std::string ParentFolder(const std::string& path);

std::vector<TListingPage> BuildListingPages(const std::vector<TListedFolder>& folders,
                                            const std::vector<TListedFile>& files, uint32_t writeTime);

std::string FramePageText(const std::string& archiveName, const std::string& rootPage);
std::string BarPageText(const std::string& archiveName);
std::string FolderPageText(const std::string& archiveName, const TListingPage& page);
