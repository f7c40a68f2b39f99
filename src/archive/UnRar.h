#pragma once
// The archive browser: shows an archive inside the document pane as pages it writes into a
// working folder below the temporary folder (a frame page, a heading bar and one page per
// folder of the archive), extracts the archive when a member is followed or the reader asks
// for it, and tells the pane when it shows one of its listings (archive mode).
//
// An archive is not trusted: nothing is written outside the folder chosen for it, links are
// not made, and the disk is checked for room before the declared sizes are written.

#include "archive/ArchiveHost.h"
#include "archive/ArchiveTexts.h"

#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class TArchiveReader;
struct TArchiveHeader;
struct TVolumeSet;

class TUnRar {
 public:
  // Removes the working folders an earlier run left.
  explicit TUnRar(TArchiveHost& host);
  // Removes the working folders.
  ~TUnRar();
  TUnRar(const TUnRar&) = delete;
  TUnRar& operator=(const TUnRar&) = delete;

  // Writes the listing of `fileName` unless this run wrote it already, and shows it.
  // `sourceDocument` is the page the reader opened it from.
  void ShowListing(const std::string& fileName, const std::string& sourceDocument);
  // Extracts every member of the archive shown last: into the path box's folder, in a
  // sub-folder named after the archive (the command "unarc"), or into the working folder,
  // where the listing's links lead (a member followed in the listing).
  void ExtractAll(bool toInstallFolder, bool keepPaths);
  // The pane shows `fileName`: archive mode stays on until the reader is back on a page an
  // archive was opened from, and comes on for a listing's frame page.
  void DocumentShown(const std::string& fileName);

  const std::string& ArchiveName() const { return archiveName_; }
  const std::string& ListingFolder() const { return listingFolder_; }
  const std::vector<std::string>& MainPages() const { return mainPages_; }
  const std::vector<std::string>& SourceDocuments() const { return sourceDocuments_; }
  QJsonObject StateForDump() const;

  // Free bytes on the disk of a host folder; tests replace it.
  std::function<int64_t(const QString& hostFolder)> FreeSpace;

  // More members than this are neither listed nor extracted; tests lower it.
  size_t MaxMembers = 100'000;
  // Extractions of this many declared bytes show their progress.
  static constexpr uint64_t ProgressFrom = 8 * 1024 * 1024;

 private:
  // What the listing walk learnt for the extraction: the bytes the members to be written
  // declare.
  struct TSummary {
    uint64_t declaredBytes = 0;
    void Add(const TArchiveHeader& header);
  };
  using TProcess = std::function<TRarCode(const TArchiveHeader&)>;

  // Opens the archive shown last; on failure the message is shown and false returned.
  bool Open(TArchiveReader& reader, TVolumeSet& volumes);
  // Reads every header and hands it to `process`, collecting the messages for the reader.
  // False when not even the first header could be read.
  bool Walk(TArchiveReader& reader, const TVolumeSet& volumes, const TProcess& process,
            std::vector<std::string>& messages) const;
  bool WriteListing(const std::string& framePage, std::vector<std::string>& messages);
  bool Summarize(TSummary& summary);
  void Show(const std::vector<std::string>& messages);

  TArchiveHost& host_;
  std::string archiveName_;
  std::string listingFolder_;
  std::vector<std::string> mainPages_;
  std::vector<std::string> mainPageArchives_;  // the archive of each main page, in step
  std::vector<std::string> sourceDocuments_;
  std::map<std::string, TSummary> summaries_;  // by folded archive name
};

// Removes every folder directly below the host folder `tempFolder` whose name begins with
// "as_", with everything in it; links are removed, never followed. Errors are ignored.
void RemoveWorkingFolders(const QString& tempFolder);
