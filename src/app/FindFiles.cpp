// FindFiles: a breadth-first file search on Windows names over the host file system.

#include "app/DescriptionSyntax.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <deque>

namespace {

// Windows wildcards on lower-cased texts: '*' any run of characters, '?' any one.
bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*.*") return true;  // also names without a dot, as on Windows
  size_t n = 0;
  size_t m = 0;
  size_t starMask = std::string_view::npos;
  size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
      ++m;
      ++n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

// On this host a leading '.' is what makes a folder hidden.
bool IsHiddenFolder(const QString& name) { return name.startsWith(u'.'); }

}  // namespace

void FindFiles(const std::string& folder, const std::vector<std::string>& masks, bool recursive,
               std::vector<std::string>& result, bool includeFolders) {
  result.clear();
  if (folder.empty()) return;
  std::vector<std::string> lowerMasks;
  for (const std::string& mask : masks) lowerMasks.push_back(AsciiLower(mask));

  std::deque<std::string> queue{folder.ends_with('\\') ? folder : folder + '\\'};
  // Real folders already queued: a link back to a parent must not send the search round.
  QSet<QString> queued{QFileInfo(HostPath::ToHost(queue.front())).canonicalFilePath()};
  while (!queue.empty()) {
    std::string current = std::move(queue.front());
    queue.pop_front();
    if (includeFolders) result.push_back(current);
    const QString host = HostPath::ToHost(current);
    if (host.isEmpty()) continue;

    // Entries come in name order rather than in the file system's own order, so that every
    // host gives the same result.
    const QFileInfoList entries =
        QDir(host).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    std::vector<std::string> files;
    std::vector<QFileInfo> folders;
    for (const QFileInfo& entry : entries) {
      // A host name holding '\' has no Windows name.
      if (entry.fileName().contains(u'\\')) continue;
      if (entry.isDir())
        folders.push_back(entry);
      else
        files.push_back(ToCp1251(entry.fileName()));
    }
    for (const std::string& mask : lowerMasks)
      for (const std::string& file : files)
        if (MatchesMask(AsciiLower(file), mask)) result.push_back(current + file);

    if (!recursive) continue;
    for (const QFileInfo& sub : folders) {
      if (IsHiddenFolder(sub.fileName())) continue;
      const QString real = sub.canonicalFilePath();
      if (real.isEmpty() || queued.contains(real)) continue;
      queued.insert(real);
      queue.push_back(current + ToCp1251(sub.fileName()) + '\\');
    }
  }
}
