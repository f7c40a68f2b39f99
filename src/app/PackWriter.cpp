#include "app/PackWriter.h"

#include "app/PackFormat.h"
#include "app/ResourcePack.h"
#include "app/ZlibBlock.h"
#include "platform/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace PackFormat;

struct TPackWriter::TNode {
  std::string name;  // normalised
  bool folder = true;
  std::string bytes;
  std::vector<TNode> children;

  TNode* Child(std::string_view childName) {
    for (TNode& child : children)
      if (child.name == childName) return &child;
    return nullptr;
  }
};

namespace {

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> names;
  std::string name;
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '\\' && path[i] != '/') {
      name += path[i];
      continue;
    }
    if (name.empty()) continue;
    PackNormalizeName(name);
    if (name.size() > kNameSize) throw EPackWriteError("the name " + Cp1251ToUtf8(name) + " is longer than 64 bytes");
    if (name == "." || name == "..") throw EPackWriteError("\"" + name + "\" cannot be stored as a name");
    names.push_back(std::move(name));
    name.clear();
  }
  return names;
}

// The zlib stream of `bytes` when it is smaller, else the bytes as they are.
std::string Packed(std::string_view bytes) {
  std::string deflated = Deflate(bytes);
  return deflated.size() < bytes.size() ? deflated : std::string(bytes);
}

void CheckSize(uint64_t size) {
  if (size >= kSizeLimit) throw EPackWriteError("the pack would reach 2 GB");
}

class TLayout {
 public:
  // Lays out a folder's entries as the next group, then its sub-folders depth-first.
  // Returns the group's index.
  uint32_t AddGroup(const std::vector<const TPackWriter::TNode*>& children);

  std::string Directory() const {
    std::string directory;
    AppendWord(directory, static_cast<uint32_t>(groups_.size() / kGroupSize));
    AppendWord(directory, static_cast<uint32_t>(entries_.size() / kEntrySize));
    AppendWord(directory, 0);  // free for the writer; readers skip it
    AppendWord(directory, 0);  // the root group
    return directory + groups_ + entries_;
  }
  const std::string& Data() const { return data_; }

 private:
  void SetEntry(size_t index, const TPackWriter::TNode& node);

  std::string groups_, entries_, data_;
};

std::vector<const TPackWriter::TNode*> Sorted(const std::vector<TPackWriter::TNode>& nodes) {
  std::vector<const TPackWriter::TNode*> sorted;
  for (const auto& node : nodes) sorted.push_back(&node);
  std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->name < b->name; });
  return sorted;
}

uint32_t TLayout::AddGroup(const std::vector<const TPackWriter::TNode*>& children) {
  const size_t group = groups_.size() / kGroupSize;
  const size_t first = entries_.size() / kEntrySize;
  CheckSize(kDirectoryHeaderSize + groups_.size() + entries_.size() + kGroupSize + children.size() * kEntrySize);
  AppendWord(groups_, static_cast<uint32_t>(first));
  AppendWord(groups_, static_cast<uint32_t>(children.size()));
  entries_.resize(entries_.size() + children.size() * kEntrySize);
  for (size_t i = 0; i < children.size(); ++i) SetEntry(first + i, *children[i]);
  return static_cast<uint32_t>(group);
}

void TLayout::SetEntry(size_t index, const TPackWriter::TNode& node) {
  const size_t at = index * kEntrySize;
  std::memcpy(entries_.data() + at, node.name.data(), node.name.size());
  if (node.folder) {
    const uint32_t group = AddGroup(Sorted(node.children));
    WriteWord(entries_, at + kOffsetField, group);
    WriteWord(entries_, at + kKindField, kFolder);
    return;
  }
  const std::string stored = Packed(node.bytes);
  CheckSize(data_.size() + stored.size());
  WriteWord(entries_, at + kOffsetField, static_cast<uint32_t>(data_.size()));
  WriteWord(entries_, at + kStoredSizeField, static_cast<uint32_t>(stored.size()));
  WriteWord(entries_, at + kUnpackedSizeField, static_cast<uint32_t>(node.bytes.size()));
  WriteWord(entries_, at + kKindField, kFile);
  data_ += stored;
}

}  // namespace

TPackWriter::TPackWriter() : root_(std::make_unique<TNode>()) {}
TPackWriter::~TPackWriter() = default;

TPackWriter::TNode& TPackWriter::Folder(const std::vector<std::string>& names) {
  TNode* folder = root_.get();
  for (const std::string& name : names) {
    TNode* child = folder->Child(name);
    if (!child) {
      child = &folder->children.emplace_back();
      child->name = name;
    } else if (!child->folder) {
      throw EPackWriteError(Cp1251ToUtf8(child->name) + " is both a file and a folder");
    }
    folder = child;
  }
  return *folder;
}

void TPackWriter::AddFolder(std::string_view path) { Folder(SplitPath(path)); }

void TPackWriter::AddFile(std::string_view path, std::string bytes) {
  CheckSize(bytes.size());
  std::vector<std::string> names = SplitPath(path);
  if (names.empty()) throw EPackWriteError("a file needs a name");
  std::string name = std::move(names.back());
  names.pop_back();
  TNode& folder = Folder(names);
  if (const TNode* existing = folder.Child(name))
    throw EPackWriteError(Cp1251ToUtf8(name) + (existing->folder ? " is both a file and a folder" : " is given twice"));
  TNode& file = folder.children.emplace_back();
  file.name = std::move(name);
  file.folder = false;
  file.bytes = std::move(bytes);
}

void TPackWriter::AddHostFolder(const QString& hostFolder) {
  if (!QFileInfo(hostFolder).isDir()) throw EPackWriteError("not a folder: " + hostFolder.toStdString());
  AddHostFolderAt(hostFolder, {});
}

void TPackWriter::AddHostFolderAt(const QString& hostFolder, const std::string& path) {
  const QFileInfoList items =
      QDir(hostFolder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  for (const QFileInfo& item : items) {
    const QString name = item.fileName();
    const std::string windowsName = ToCp1251(name);
    if (FromCp1251(windowsName) != name || name.contains(u'\\'))
      throw EPackWriteError("the name " + item.filePath().toStdString() + " has no Windows-1251 form");
    const std::string itemPath = path.empty() ? windowsName : path + '\\' + windowsName;
    if (item.isDir()) {
      if (item.isSymLink()) continue;
      AddFolder(itemPath);
      AddHostFolderAt(item.filePath(), itemPath);
    } else if (item.isFile()) {
      QFile file(item.filePath());
      if (!file.open(QIODevice::ReadOnly)) throw EPackWriteError("cannot read " + item.filePath().toStdString());
      const QByteArray bytes = file.readAll();
      if (file.error() != QFileDevice::NoError) throw EPackWriteError("cannot read " + item.filePath().toStdString());
      AddFile(itemPath, bytes.toStdString());
    }
  }
}

std::string TPackWriter::ToBytes() const {
  TLayout layout;
  layout.AddGroup(Sorted(root_->children));
  const std::string directory = layout.Directory();
  const std::string block = Packed(directory);
  CheckSize(kHeaderSize + block.size() + layout.Data().size());
  std::string pack;
  AppendWord(pack, static_cast<uint32_t>(directory.size() - block.size()) ^ kSizeDifferenceMask);
  AppendWord(pack, static_cast<uint32_t>(block.size()) ^ kStoredSizeMask);
  return pack + block + layout.Data();
}

void TPackWriter::WriteFile(const QString& hostFileName) const {
  const std::string bytes = ToBytes();
  QSaveFile file(hostFileName);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit())
    throw EPackWriteError("cannot write " + hostFileName.toStdString() + ": " + file.errorString().toStdString());
}
