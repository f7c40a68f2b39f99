#include "platform/HostPath.h"

#include "platform/Cp1251.h"
#include "platform/Globals.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace HostPath {
namespace {

struct Listing {
  QDateTime modified;
  QDateTime listedAt;
  QHash<QString, QString> byFoldedName;  // folded name -> name as on disk
};

QHash<QString, Listing> listings;

QString Fold(const QString& name) { return name.toCaseFolded(); }

Listing ReadListing(const QString& folder) {
  Listing listing;
  QFileInfo info(folder);
  listing.modified = info.lastModified();
  listing.listedAt = QDateTime::currentDateTime();
  const QStringList names =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& name : names) {
    const QString folded = Fold(name);
    // Two names that differ only by case: the exact spelling is preferred by the caller;
    // among the rest the first listed wins.
    if (!listing.byFoldedName.contains(folded)) listing.byFoldedName.insert(folded, name);
  }
  return listing;
}

// File times are coarse: a folder changed within a moment of its listing may show the
// listing's own time, so such a listing is read again whenever a name is missed.
bool MayHaveChanged(const QString& folder, const Listing& listing) {
  return QFileInfo(folder).lastModified() != listing.modified || listing.modified.msecsTo(listing.listedAt) < 2000;
}

// The name of `component` inside `folder` as the disk spells it, or empty when absent.
QString FindInFolder(const QString& folder, const QString& component) {
  const QString folded = Fold(component);
  auto it = listings.find(folder);
  if (it == listings.end()) {
    it = listings.insert(folder, ReadListing(folder));
  } else if (!it->byFoldedName.contains(folded) && MayHaveChanged(folder, *it)) {
    *it = ReadListing(folder);
  }
  const auto found = it->byFoldedName.constFind(folded);
  if (found == it->byFoldedName.constEnd()) return {};
  if (*found != component && QFileInfo::exists(folder + u'/' + component)) return component;
  return *found;
}

// Whether the clean absolute path `path` is `folder` or lies inside it.
bool Below(const QString& path, const QString& folder) {
  return folder == u"/" || path == folder || path.startsWith(folder + u'/');
}

QString RestBelow(const QString& path, const QString& folder) {
  return path.mid(folder == u"/" ? 1 : folder.size() + 1);
}

QString JoinHost(const QString& folder, const QString& name) {
  return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

}  // namespace

void SetDiscRoot(const QString& hostFolder) {
  Global.DiscRootHost = QDir::cleanPath(QFileInfo(hostFolder).absoluteFilePath());
  listings.clear();
}

QString ToHost(std::string_view windowsName) {
#ifdef Q_OS_WIN
  return QDir::fromNativeSeparators(FromCp1251(windowsName));
#else
  QString name = FromCp1251(windowsName);
  name.replace(u'\\', u'/');
  QString base;
  if (name.size() >= 2 && name[1] == u':') {
    const QChar drive = name[0].toLower();
    if (drive == u'd') {
      if (Global.DiscRootHost.isEmpty()) return {};
      base = Global.DiscRootHost;
    } else if (drive == u'c') {
      base = QDir::homePath();
    } else if (drive == u'z') {
      base = QStringLiteral("/");
    } else {
      return {};
    }
    name = name.mid(2);
  } else if (name.startsWith(u'/')) {
    base = QStringLiteral("/");
  } else {
    base = QDir::currentPath();
  }

  QString result = base;
  bool resolving = true;
  const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
  for (const QString& part : parts) {
    if (part == u".") continue;
    if (part == u"..") {
      if (result != u"/") result = QFileInfo(result).path();
      resolving = true;
      continue;
    }
    QString actual;
    if (resolving) {
      actual = FindInFolder(result, part);
      if (actual.isEmpty()) resolving = false;
    }
    result = JoinHost(result, actual.isEmpty() ? part : actual);
  }
  if (name.endsWith(u'/') && !result.endsWith(u'/')) result += u'/';
  return result;
#endif
}

std::string ToWindows(const QString& hostName) {
#ifdef Q_OS_WIN
  return ToCp1251(QDir::toNativeSeparators(hostName));
#else
  const QString absolute = QDir::cleanPath(QFileInfo(hostName).absoluteFilePath());
  const bool folder = hostName.endsWith(u'/');
  QString windows;
  if (!Global.DiscRootHost.isEmpty() && Below(absolute, Global.DiscRootHost)) {
    windows = QStringLiteral("d:\\") + RestBelow(absolute, Global.DiscRootHost);
  } else if (const QString home = QDir::cleanPath(QDir::homePath()); Below(absolute, home)) {
    windows = QStringLiteral("c:\\") + RestBelow(absolute, home);
  } else {
    windows = QStringLiteral("z:\\") + absolute.mid(1);
  }
  windows.replace(u'/', u'\\');
  if (folder && !windows.endsWith(u'\\')) windows += u'\\';
  return ToCp1251(windows);
#endif
}

char FirstCdDrive() {
#ifdef Q_OS_WIN
  for (char drive = 'a'; drive <= 'z'; ++drive) {
    const char root[] = {drive, ':', '\\', 0};
    if (GetDriveTypeA(root) == DRIVE_CDROM) return drive;
  }
  return 0;
#else
  return Global.DiscRootHost.isEmpty() ? 0 : 'd';
#endif
}

bool FileExists(std::string_view windowsName) {
  const QString host = ToHost(windowsName);
  if (host.isEmpty()) return false;
  const QFileInfo info(host);
  return info.exists() && !info.isDir();
}

bool FolderExists(std::string_view windowsName) {
  const QString host = ToHost(windowsName);
  return !host.isEmpty() && QFileInfo(host).isDir();
}

}  // namespace HostPath
