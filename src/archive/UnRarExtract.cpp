// Extracting a whole archive, member by member, without ever writing outside its folder.

#include "archive/ArchiveReader.h"
#include "archive/MemberPath.h"
#include "archive/MemberWriter.h"
#include "archive/RarVolumes.h"
#include "archive/UnRar.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Members of unknown size are written while this much room is left on the disk.
constexpr int64_t kDiskReserve = 16 * 1024 * 1024;
constexpr uint64_t kSpaceCheckEvery = 4 * 1024 * 1024;

// The nearest folder of `path` that exists, where the disk's free space can be asked.
QString ExistingFolder(QString path) {
  while (!path.isEmpty() && !QFileInfo(path).isDir()) {
    const QString parent = QFileInfo(path).path();
    if (parent == path) break;
    path = parent;
  }
  return path;
}

class TBusy {
 public:
  explicit TBusy(TArchiveHost& host) : host_(host) { host_.SetBusy(true); }
  ~TBusy() { host_.SetBusy(false); }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;

 private:
  TArchiveHost& host_;
};

}  // namespace

bool TUnRar::Summarize(TSummary& summary) {
  if (const auto known = summaries_.find(NameLower(archiveName_)); known != summaries_.end()) {
    summary = known->second;
    return true;
  }
  TArchiveReader reader;
  TVolumeSet volumes;
  if (!Open(reader, volumes)) return false;
  TArchiveHeader header;
  size_t members = 0;
  while (members++ < MaxMembers && reader.ReadHeader(header) == TRarCode::Success) {
    summary.Add(header);
    if (reader.Skip() != TRarCode::Success) break;
  }
  summaries_[NameLower(archiveName_)] = summary;
  return true;
}

void TUnRar::ExtractAll(bool toInstallFolder, bool keepPaths) {
  if (archiveName_.empty()) return;
  std::string destination = listingFolder_;
  if (toInstallFolder) {
    const std::optional<std::string> folder = host_.InstallFolder();
    if (!folder || folder->empty()) return;
    destination = *folder;
  }
  TArchiveReader reader;
  TVolumeSet volumes;
  if (!Open(reader, volumes)) return;

  QString root = HostPath::ToHost(destination);
  if (root.isEmpty()) {
    Show({ProcessMessage(TRarCode::ECreate, destination)});
    return;
  }
  while (root.size() > 1 && root.endsWith(u'/')) root.chop(1);
  if (!keepPaths) {
    const QString subFolder = NumberedSubFolder(FromCp1251(FileNamePart(archiveName_)), [&](const QString& name) {
      return HostPath::FolderExists(destination + ToCp1251(name));
    });
    root += u'/' + subFolder;
  }

  TSummary summary;
  if (!Summarize(summary)) return;
  const int64_t available = FreeSpace(ExistingFolder(root));
  if (available >= 0 && summary.declaredBytes > static_cast<uint64_t>(available)) {
    Show({DiskSpaceMessage(summary.declaredBytes, static_cast<uint64_t>(available))});
    return;
  }

  std::vector<std::string> messages, refused;
  bool tooMany = false, diskShort = false, progressShown = false;
  {
    const TBusy busy(host_);
    if (!QDir().mkpath(root)) {
      messages.push_back(ProcessMessage(TRarCode::ECreate, ToCp1251(QDir::toNativeSeparators(root))));
    } else {
      TMemberWriter writer(root);
      size_t members = 0;
      uint64_t written = 0, sinceSpaceCheck = 0;
      int percent = -1;
      auto extractMember = [&](const TArchiveHeader& header, const QString& fileName) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return TRarCode::ECreate;
        uint64_t end = 0;
        bool beyondSize = false;
        TRarCode result = reader.ReadData([&](uint64_t offset, const char* data, size_t size) {
          // Never more than the header declares: a member cannot grow past what was checked.
          if (header.sizeKnown && (offset > header.size || size > header.size - offset)) {
            beyondSize = true;
            return false;
          }
          if (static_cast<uint64_t>(file.pos()) != offset && !file.seek(static_cast<qint64>(offset))) return false;
          if (file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) return false;
          end = std::max(end, offset + size);
          written += size;
          if (!header.sizeKnown && (sinceSpaceCheck += size) >= kSpaceCheckEvery) {
            sinceSpaceCheck = 0;
            if (FreeSpace(ExistingFolder(root)) < kDiskReserve) {
              diskShort = true;
              return false;
            }
          }
          if (summary.declaredBytes >= ProgressFrom) {
            const int now = static_cast<int>(std::min<uint64_t>(100, written * 100 / summary.declaredBytes));
            if (now != percent) {
              percent = now;
              progressShown = true;
              host_.ShowProgress(percent);
            }
          }
          return true;
        });
        if (beyondSize) result = TRarCode::BadData;
        if (diskShort) result = TRarCode::EOpen;
        if (result == TRarCode::Success && header.sizeKnown && end != header.size) result = TRarCode::BadData;
        file.close();
        if (result == TRarCode::Success && file.error() != QFileDevice::NoError) result = TRarCode::EClose;
        // A member that did not come out whole is not left behind looking whole.
        if (result != TRarCode::Success) file.remove();
        return result;
      };

      Walk(
          reader, volumes,
          [&](const TArchiveHeader& header) {
            if (++members > MaxMembers) {
              tooMany = true;
              return TRarCode::EOpen;
            }
            const TMemberPath path = SplitMemberPath(header.name);
            // In the working folder the listing's own pages stay as written.
            const bool listingPage =
                keepPaths && path.components.size() == 1 && path.components[0].startsWith(u"as_", Qt::CaseInsensitive);
            const bool linkOrDevice =
                header.kind == TArchiveHeader::TKind::Link || header.kind == TArchiveHeader::TKind::Other;
            if (!path.Safe() || linkOrDevice || listingPage) {
              refused.push_back(header.name1251);
              return reader.Skip();
            }
            if (header.kind == TArchiveHeader::TKind::Folder)
              return writer.Folder(path.components).isEmpty() ? TRarCode::ECreate : reader.Skip();
            const QString fileName = writer.File(path.components);
            if (fileName.isEmpty()) return TRarCode::ECreate;
            return extractMember(header, fileName);
          },
          messages);
    }
    if (progressShown) host_.EndProgress();
  }
  if (!refused.empty()) messages.insert(messages.begin(), RefusedMembersMessage(refused));
  if (diskShort)
    messages.push_back(
        DiskSpaceMessage(kDiskReserve, static_cast<uint64_t>(std::max<int64_t>(0, FreeSpace(ExistingFolder(root))))));
  if (tooMany) messages.push_back(TooManyMembersMessage(archiveName_, MaxMembers));
  Show(messages);
}
