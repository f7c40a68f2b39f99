#include "app/ResourcePack.h"

#include "app/Errors.h"
#include "app/PackDirectory.h"
#include "app/PackFormat.h"
#include "app/ZlibBlock.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <string_view>

using namespace PackFormat;

struct TOpenPack {
  std::unique_ptr<QFile> file;
  QString hostName;
  uint64_t dataStart;
  TPackDirectory directory;
};

namespace {

constexpr size_t kMaxPath = 1024;
constexpr size_t kMaxComponent = 100;

bool ReadAt(QFile& file, uint64_t at, uint64_t count, std::string& out) {
  if (!file.seek(static_cast<qint64>(at))) return false;
  std::string bytes(count, '\0');
  if (file.read(bytes.data(), static_cast<qint64>(count)) != static_cast<qint64>(count)) return false;
  out = std::move(bytes);
  return true;
}

struct TDirectoryBlock {
  std::string bytes;  // inflated
  uint64_t dataStart;
};

TDirectoryBlock ReadDirectoryBlock(QFile& file, uint64_t fileSize) {
  std::string header;
  if (!ReadAt(file, 0, kHeaderSize, header)) throw EDataError("the header is cut short");
  const uint32_t stored = ReadWord(header, 4) ^ kStoredSizeMask;
  const uint32_t unpacked = (ReadWord(header, 0) ^ kSizeDifferenceMask) + stored;
  if (stored >= kSizeLimit || unpacked >= kSizeLimit) throw EDataError("the directory size is out of range");
  if (kHeaderSize + stored > fileSize) throw EDataError("the directory runs past the end of the file");

  if (unpacked != stored && !CanInflateTo(stored, unpacked))
    throw EDataError("the directory's unpacked size is more than its bytes can hold");

  TDirectoryBlock block{{}, kHeaderSize + stored};
  if (!ReadAt(file, kHeaderSize, stored, block.bytes)) throw EDataError("the directory cannot be read");
  if (unpacked != stored && !InflateExact(block.bytes, unpacked, block.bytes))
    throw EDataError("the directory does not inflate to its recorded size");
  return block;
}

// `name` is the Windows name (Windows-1251) the caller asked for.
int OpenPack(const QString& hostFileName, const std::string& name) {
  PackClose();
  Global.PackPrefix.clear();
  auto file = std::make_unique<QFile>(hostFileName);
  // Members are read whole, so Qt's read buffer would only copy them twice.
  const bool opened = !hostFileName.isEmpty() && !QFileInfo(hostFileName).isDir() &&
                      file->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
  const std::string shown = hostFileName.isEmpty() ? Cp1251ToUtf8(name) : hostFileName.toStdString();
  if (!opened) throw EFOpenError(name, shown, FileProblem(hostFileName));
  try {
    const uint64_t fileSize = static_cast<uint64_t>(file->size());
    TDirectoryBlock block = ReadDirectoryBlock(*file, fileSize);
    TPackDirectory directory(std::move(block.bytes), fileSize - block.dataStart);
    Global.Pack = std::make_shared<TOpenPack>(
        TOpenPack{std::move(file), QFileInfo(hostFileName).absoluteFilePath(), block.dataStart, std::move(directory)});
  } catch (const EDataError& e) {
    throw EDataError("the resource pack " + shown + " is damaged: " + e.what());
  }
  return 0;
}

// The first entry of `group` named `name` decides, whatever its kind.
int FindInGroup(const TPackDirectory& directory, uint32_t group, std::string_view name, uint32_t kind) {
  const uint32_t first = directory.GroupFirst(group);
  const uint32_t end = first + directory.GroupLength(group);
  for (uint32_t i = first; i < end; ++i) {
    const TPackEntry entry = directory.Entry(i);
    if (entry.name == name) return entry.kind == kind ? static_cast<int>(i) : -1;
  }
  return -1;
}

// Each group and entry is walked once, so folders whose groups loop back to an ancestor or
// are shared cannot repeat the walk forever or multiply it. Paths PackFind would refuse are
// left out, which also bounds the depth.
struct TListing {
  const TPackDirectory& directory;
  std::vector<bool> groupSeen;
  std::vector<bool> entrySeen;
  std::vector<std::string> files;

  bool Reachable(uint32_t group, uint32_t index, const TPackEntry& entry) const {
    std::string normalized(entry.name);
    PackNormalizeName(normalized);
    return normalized == entry.name && normalized.find('\\') == std::string::npos &&
           FindInGroup(directory, group, entry.name, entry.kind) == static_cast<int>(index);
  }

  void Walk(uint32_t group, const std::string& prefix) {
    groupSeen[group] = true;
    const uint32_t first = directory.GroupFirst(group);
    const uint32_t end = first + directory.GroupLength(group);
    for (uint32_t i = first; i < end; ++i) {
      if (entrySeen[i]) continue;
      entrySeen[i] = true;
      const TPackEntry entry = directory.Entry(i);
      // Nameless entries, which no path can name, "." and "..", and whatever else a writer
      // wants hidden; and names a path cannot reach (a separator or a lower-case letter in
      // them, or an earlier entry of the same name in the group).
      if (entry.name.empty() || entry.name.starts_with('.') || !Reachable(group, i, entry)) continue;
      std::string path = prefix;
      path += entry.name;
      if (entry.kind == kFolder) {
        path += '\\';
        if (path.size() <= kMaxPath && !groupSeen[entry.offset]) Walk(entry.offset, path);
      } else if (entry.kind == kFile && path.size() <= kMaxPath) {
        files.push_back(std::move(path));
      }
    }
  }
};

}  // namespace

int PackOpen(const std::string& fileName) { return OpenPack(HostPath::ToHost(fileName), fileName); }

int PackOpenHostFile(const QString& hostFileName) { return OpenPack(hostFileName, ToCp1251(hostFileName)); }

void PackClose() { Global.Pack.reset(); }

QString PackHostName() { return Global.Pack ? Global.Pack->hostName : QString(); }

void PackSetRoot(const std::string& prefix) {
  Global.PackPrefix = prefix;
  PackNormalizeName(Global.PackPrefix);
}

void PackNormalizeName(std::string& text) {
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '/') {
      c = '\\';
    } else if (b >= 'a' && b <= 'z') {
      c = static_cast<char>(b - 0x20);
    } else if (b >= 0xE0) {  // Windows-1251 'а'..'я'; 'ё' (0xB8) stays
      c = static_cast<char>(b - 0x20);
    }
  }
}

int PackFind(const std::string& path) {
  const TOpenPack* pack = Global.Pack.get();
  if (!pack || path.size() > kMaxPath) return -1;
  std::string normalized = path;
  PackNormalizeName(normalized);
  std::string_view rest = normalized;
  if (rest.starts_with(Global.PackPrefix)) rest.remove_prefix(Global.PackPrefix.size());
  if (rest.starts_with('\\')) rest.remove_prefix(1);

  const TPackDirectory& directory = pack->directory;
  uint32_t group = directory.RootGroup();
  for (;;) {
    const size_t slash = rest.find('\\');
    const std::string_view component = rest.substr(0, slash);
    if (component.size() > kMaxComponent) return -1;
    if (slash == std::string_view::npos) return FindInGroup(directory, group, component, kFile);
    const int folder = FindInGroup(directory, group, component, kFolder);
    if (folder < 0) return -1;
    group = directory.Entry(folder).offset;
    rest.remove_prefix(slash + 1);
  }
}

int PackExtract(int entry, TMemoryStream& stream) {
  const TOpenPack* pack = Global.Pack.get();
  if (!pack || entry < 0 || static_cast<uint32_t>(entry) >= pack->directory.EntryCount()) return -1;
  const TPackEntry e = pack->directory.Entry(entry);
  if (e.kind != kFile) return -1;
  std::string bytes;
  if (!ReadAt(*pack->file, pack->dataStart + e.offset, e.storedSize, bytes)) return -1;
  if (e.storedSize != e.unpackedSize && !InflateExact(bytes, e.unpackedSize, bytes)) return -1;
  stream.Data() = std::move(bytes);
  stream.SetPosition(0);
  return 0;
}

int PackLoad(const std::string& path, TMemoryStream& stream) {
  const int entry = PackFind(path);
  return entry < 0 ? -1 : PackExtract(entry, stream);
}

bool FileOrPackExists(const std::string& path) { return HostPath::FileExists(path) || PackFind(path) >= 0; }

std::vector<std::string> PackListFiles() {
  const TOpenPack* pack = Global.Pack.get();
  if (!pack) return {};
  const TPackDirectory& directory = pack->directory;
  TListing listing{directory, std::vector<bool>(directory.GroupCount()), std::vector<bool>(directory.EntryCount()), {}};
  listing.Walk(directory.RootGroup(), {});
  return std::move(listing.files);
}
