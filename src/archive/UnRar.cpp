// The archive browser: listings, the pane's archive mode and the working folders.

#include "archive/UnRar.h"

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "archive/ArchiveReader.h"
#include "archive/ListingPages.h"
#include "archive/MemberPath.h"
#include "archive/RarVolumes.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QStorageInfo>
#include <algorithm>
#include <ctime>

namespace {

constexpr size_t kShownMessages = 10;

bool HasName(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, name); });
}

bool WriteText(const QString& hostFile, const std::string& text) {
  QFile file(hostFile);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) && file.flush();
}

TRarVolumeInfo HostVolumeInfo(const std::string& name) {
  QFile file(HostPath::ToHost(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ReadRarVolumeInfo([&](qint64 offset, qint64 length) {
    return offset <= file.size() && file.seek(offset) ? file.read(length) : QByteArray();
  });
}

QJsonArray Texts(const std::vector<std::string>& names) {
  QJsonArray list;
  for (const std::string& name : names) list.append(FromCp1251(name));
  return list;
}

}  // namespace

TUnRar::TUnRar(TArchiveHost& host) : host_(host) {
  FreeSpace = [](const QString& folder) { return static_cast<int64_t>(QStorageInfo(folder).bytesAvailable()); };
  RemoveWorkingFolders(HostPath::ToHost(Global.TempFolder));
}

TUnRar::~TUnRar() { RemoveWorkingFolders(HostPath::ToHost(Global.TempFolder)); }

void RemoveWorkingFolders(const QString& tempFolder) {
  if (tempFolder.isEmpty()) return;
  const QFileInfoList entries =
      QDir(tempFolder).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QFileInfo& entry : entries) {
    if (!entry.fileName().startsWith(QLatin1String("as_"), Qt::CaseInsensitive)) continue;
    if (entry.isSymLink())
      QFile::remove(entry.filePath());
    else
      QDir(entry.filePath()).removeRecursively();
  }
}

void TUnRar::TSummary::Add(const TArchiveHeader& header) {
  if (header.kind != TArchiveHeader::TKind::File || !SplitMemberPath(header.name).Safe()) return;
  declaredBytes = declaredBytes > UINT64_MAX - header.size ? UINT64_MAX : declaredBytes + header.size;
}

void TUnRar::ShowListing(const std::string& fileName, const std::string& sourceDocument) {
  archiveName_ = fileName;
  listingFolder_ = ListingFolderOf(Global.TempFolder, fileName);
  const std::string framePage = listingFolder_ + FramePageName(fileName);
  // Kept also when the listing is reused, so that going back to any page an archive was
  // opened from ends archive mode.
  if (!host_.IsArchiveMode() && !sourceDocument.empty() && !HasName(sourceDocuments_, sourceDocument))
    sourceDocuments_.push_back(sourceDocument);
  const bool written = HostPath::FileExists(framePage);
  if (!HasName(mainPages_, framePage)) {
    mainPages_.push_back(framePage);
    mainPageArchives_.push_back(fileName);
  }
  if (!written) {
    std::vector<std::string> messages;
    const bool listed = WriteListing(framePage, messages);
    Show(messages);
    if (!listed) return;
  }
  host_.ShowFile(framePage);
}

bool TUnRar::Open(TArchiveReader& reader, TVolumeSet& volumes) {
  TRarCode result = TRarCode::EOpen;
  const QString host = HostPath::ToHost(archiveName_);
  if (!host.isEmpty() && QFileInfo(host).isFile()) {
    volumes =
        FindVolumes(archiveName_, HostVolumeInfo, [](const std::string& name) { return HostPath::FileExists(name); });
    QStringList hostFiles;
    for (const std::string& volume : volumes.volumes) hostFiles << HostPath::ToHost(volume);
    result = reader.OpenFiles(hostFiles);
  } else if (FileOrPackExists(archiveName_)) {
    // An archive in the resource pack is read from memory; its volumes could not follow it.
    try {
      TComprStream stream(archiveName_);
      const std::string& bytes = stream.Data();
      const TRarVolumeInfo info = ReadRarVolumeInfo([&](qint64 offset, qint64 length) {
        if (offset < 0 || offset >= static_cast<qint64>(bytes.size())) return QByteArray();
        return QByteArray(bytes.data() + offset,
                          static_cast<qsizetype>(std::min<qint64>(length, bytes.size() - offset)));
      });
      volumes = {{archiveName_}, info.continues ? NextVolumeName(archiveName_, info.newNumbering) : std::string()};
      result = reader.OpenMemory(std::move(stream.Data()));
    } catch (const std::exception&) {
      result = TRarCode::EOpen;
    }
  }
  if (result == TRarCode::Success) return true;
  Show({OpenMessage(result, archiveName_)});
  return false;
}

bool TUnRar::Walk(TArchiveReader& reader, const TVolumeSet& volumes, const TProcess& process,
                  std::vector<std::string>& messages) const {
  std::string lastName;
  bool anyHeader = false;
  bool volumeReported = false;
  for (;;) {
    TArchiveHeader header;
    const TRarCode read = reader.ReadHeader(header);
    if (read == TRarCode::EndArchive) break;
    if (read != TRarCode::Success) {
      if (!volumes.missing.empty()) {
        messages.push_back(VolumeMissingMessage(volumes.missing));
        volumeReported = true;
      } else if (anyHeader) {
        messages.push_back(DamagedHeaderMessage(lastName));
      } else {
        // Not even the first header: the archive could not be opened after all.
        messages.push_back(OpenMessage(TRarCode::BadData, archiveName_));
        return false;
      }
      break;
    }
    anyHeader = true;
    lastName = header.name1251;
    const TRarCode result = process(header);
    if (result == TRarCode::Success) continue;
    // The data ran out where the missing volume should go on: the library gives up there.
    if (!volumes.missing.empty() && (result == TRarCode::BadData || result == TRarCode::ERead)) {
      messages.push_back(VolumeMissingMessage(volumes.missing));
      volumeReported = true;
      break;
    }
    if (std::string text = ProcessMessage(result, header.name1251); !text.empty()) messages.push_back(std::move(text));
    // A damaged member or one that could not be created costs only itself.
    const bool goOn = result == TRarCode::BadData || result == TRarCode::ECreate;
    if (!goOn || !reader.Usable()) break;
  }
  if (!volumes.missing.empty() && !volumeReported) messages.push_back(VolumeMissingMessage(volumes.missing));
  return true;
}

bool TUnRar::WriteListing(const std::string& framePage, std::vector<std::string>& messages) {
  TArchiveReader reader;
  TVolumeSet volumes;
  if (!Open(reader, volumes)) return false;

  TFolderList folders;
  std::vector<TListedFile> files;
  TSummary summary;
  size_t members = 0;
  bool tooMany = false;
  const bool read = Walk(
      reader, volumes,
      [&](const TArchiveHeader& header) {
        if (++members > MaxMembers) {
          tooMany = true;
          return TRarCode::EOpen;  // ends the walk without a message of its own
        }
        if (header.kind == TArchiveHeader::TKind::Folder) {
          folders.AddFolderEntry(header.name1251, header.dosTime);
        } else if (!header.name1251.empty()) {
          files.push_back({header.name1251, header.size, header.dosTime});
          summary.Add(header);
        }
        return reader.Skip();
      },
      messages);
  if (!read) return false;
  if (tooMany) messages.push_back(TooManyMembersMessage(archiveName_, MaxMembers));
  summaries_[NameLower(archiveName_)] = summary;

  folders.AddMissingFolders(files, MaxMembers);
  const std::vector<TListingPage> pages = BuildListingPages(folders.Folders(), files, DosDateTime(std::time(nullptr)));

  // The frame page goes last: a listing cut short by a full disk is written again next time.
  const QString folder = HostPath::ToHost(listingFolder_);
  bool ok = !folder.isEmpty() && QDir().mkpath(folder) &&
            WriteText(folder + QLatin1String(BarPageName), BarPageText(archiveName_));
  for (size_t i = 0; ok && i < pages.size(); ++i)
    ok = WriteText(folder + FromCp1251(pages[i].fileName), FolderPageText(archiveName_, pages[i]));
  ok =
      ok && WriteText(folder + FromCp1251(FramePageName(archiveName_)), FramePageText(archiveName_, pages[0].fileName));
  if (!ok) {
    QFile::remove(folder + FromCp1251(FramePageName(archiveName_)));
    messages.push_back(ProcessMessage(TRarCode::EWrite, {}));
  }
  return ok;
}

void TUnRar::DocumentShown(const std::string& fileName) {
  const bool on = host_.IsArchiveMode() ? !HasName(sourceDocuments_, fileName) : HasName(mainPages_, fileName);
  host_.SetArchiveMode(on);
  // Back on an earlier listing, its archive is the one that links and "unarc" extract.
  for (size_t i = 0; i < mainPages_.size(); ++i)
    if (SameName(mainPages_[i], fileName)) {
      archiveName_ = mainPageArchives_[i];
      listingFolder_ = ListingFolderOf(Global.TempFolder, archiveName_);
    }
}

void TUnRar::Show(const std::vector<std::string>& messages) {
  if (messages.empty()) return;
  std::string text;
  for (size_t i = 0; i < messages.size() && i < kShownMessages; ++i) text += (i ? "\n" : "") + messages[i];
  if (messages.size() > kShownMessages) text += "\n...";
  host_.ShowArchiveMessage(text);
}

QJsonObject TUnRar::StateForDump() const {
  return {{"name", FromCp1251(archiveName_)},
          {"listingFolder", FromCp1251(listingFolder_)},
          {"mainPages", Texts(mainPages_)},
          {"sourceDocuments", Texts(sourceDocuments_)}};
}
