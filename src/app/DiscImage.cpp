#include "app/DiscImage.h"

#include "app/Errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

constexpr qint64 kBlockSize = 64 * 1024;

using TArchive = std::unique_ptr<archive, int (*)(archive*)>;

std::string ArchiveError(archive* a) {
  const char* text = archive_error_string(a);
  return text ? text : "unknown error";
}

QString CacheRoot() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/skinbook/discs");
}

QString CacheName(const QFileInfo& image) {
  QString name = image.fileName();
  return name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
}

// File name, size and modification time: a changed image gets a fresh folder.
QString CacheKey(const QFileInfo& image) {
  return CacheName(image) + u'-' + QString::number(image.size()) + u'-' +
         QString::number(image.lastModified().toSecsSinceEpoch());
}

// A member's path below the folder: "." and empty parts dropped; empty when the path would
// climb out with "..".
QString SafeRelativePath(const char* name) {
  QStringList parts;
  for (const QString& part : QString::fromUtf8(name).split(u'/', Qt::SkipEmptyParts)) {
    if (part == u".") continue;
    if (part == u"..") return {};
    parts << part;
  }
  return parts.join(u'/');
}

void CopyData(archive* a, const QString& target, const std::string& shown) {
  QFile out(target);
  if (!out.open(QIODevice::WriteOnly))
    throw EDataError("cannot write " + target.toStdString() + ": " + out.errorString().toStdString());
  std::string buffer(kBlockSize, '\0');
  for (;;) {
    const la_ssize_t n = archive_read_data(a, buffer.data(), buffer.size());
    if (n < 0) throw EDataError("the disc image " + shown + " is damaged: " + ArchiveError(a));
    if (n == 0) break;
    if (out.write(buffer.data(), n) != n)
      throw EDataError("cannot write " + target.toStdString() + ": " + out.errorString().toStdString());
  }
  if (!out.flush()) throw EDataError("cannot write " + target.toStdString() + ": " + out.errorString().toStdString());
}

void Unpack(const QString& imagePath, const QString& folder) {
  const std::string shown = imagePath.toStdString();
  TArchive a(archive_read_new(), archive_read_free);
  archive_read_support_format_iso9660(a.get());
  if (archive_read_open_filename(a.get(), QFile::encodeName(imagePath).constData(), kBlockSize) != ARCHIVE_OK)
    throw EDataError("the disc image " + shown + " cannot be read: " + ArchiveError(a.get()));
  archive_entry* entry = nullptr;
  for (;;) {
    const int status = archive_read_next_header(a.get(), &entry);
    if (status == ARCHIVE_EOF) break;
    if (status < ARCHIVE_WARN) throw EDataError("the disc image " + shown + " is damaged: " + ArchiveError(a.get()));
    const char* utf8 = archive_entry_pathname_utf8(entry);
    const QString relative = SafeRelativePath(utf8 ? utf8 : archive_entry_pathname(entry));
    if (relative.isEmpty()) continue;
    const QString target = folder + u'/' + relative;
    const auto type = archive_entry_filetype(entry);
    if (type == AE_IFDIR) {
      if (!QDir().mkpath(target)) throw EDataError("cannot create " + target.toStdString());
    } else if (type == AE_IFREG && !archive_entry_hardlink(entry)) {
      if (!QDir().mkpath(QFileInfo(target).path())) throw EDataError("cannot create " + target.toStdString());
      CopyData(a.get(), target, shown);
    }
  }
}

}  // namespace

bool IsDiscImageName(const QString& path) { return path.endsWith(QStringLiteral(".iso"), Qt::CaseInsensitive); }

QString DiscImageFolder(const QString& imagePath) {
  const QFileInfo image(imagePath);
  const std::string shown = image.absoluteFilePath().toStdString();
  if (!image.exists()) throw EDataError("the disc image " + shown + " does not exist");
  if (!image.isFile()) throw EDataError("the disc image " + shown + " is not a file");

  const QString root = CacheRoot();
  const QString key = CacheKey(image);
  const QString folder = root + u'/' + key;
  if (QFileInfo(folder).isDir()) return folder;

  // Unpacked beside its final place and renamed at the end, so that a folder under the key is
  // always complete, also when two starts unpack the same image at once.
  const QString part = folder + QStringLiteral(".part-") + QString::number(QCoreApplication::applicationPid());
  QDir(part).removeRecursively();
  if (!QDir().mkpath(part)) throw EDataError("cannot create the cache folder " + part.toStdString());
  try {
    Unpack(image.absoluteFilePath(), part);
  } catch (...) {
    QDir(part).removeRecursively();
    throw;
  }
  if (!QDir().rename(part, folder)) {
    QDir(part).removeRecursively();
    if (!QFileInfo(folder).isDir()) throw EDataError("cannot create the cache folder " + folder.toStdString());
  }
  // Older unpackings of an image of the same name are of no further use.
  const QRegularExpression older(QRegularExpression::anchoredPattern(QRegularExpression::escape(CacheName(image)) +
                                                                     QStringLiteral("-[0-9]+--?[0-9]+")));
  for (const QString& old : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (old != key && older.match(old).hasMatch()) QDir(root + u'/' + old).removeRecursively();
  return folder;
}

void WriteDiscImage(const QString& folder, const QString& imagePath) {
  const std::string shown = imagePath.toStdString();
  TArchive a(archive_write_new(), archive_write_free);
  archive_write_set_format_iso9660(a.get());
  archive_write_set_format_option(a.get(), "iso9660", "volume-id", "SKINBOOK");
  if (archive_write_open_filename(a.get(), QFile::encodeName(imagePath).constData()) != ARCHIVE_OK)
    throw EDataError("cannot write " + shown + ": " + ArchiveError(a.get()));
  const QDir base(folder);
  QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    const QByteArray name = base.relativeFilePath(info.filePath()).toUtf8();
    std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname_utf8(entry.get(), name.constData());
    archive_entry_set_mtime(entry.get(), info.lastModified().toSecsSinceEpoch(), 0);
    QByteArray bytes;
    if (info.isDir()) {
      archive_entry_set_filetype(entry.get(), AE_IFDIR);
      archive_entry_set_perm(entry.get(), 0755);
    } else {
      QFile file(info.filePath());
      if (!file.open(QIODevice::ReadOnly)) throw EDataError("cannot read " + info.filePath().toStdString());
      bytes = file.readAll();
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_perm(entry.get(), 0644);
      archive_entry_set_size(entry.get(), bytes.size());
    }
    if (archive_write_header(a.get(), entry.get()) < ARCHIVE_WARN ||
        (!bytes.isEmpty() && archive_write_data(a.get(), bytes.constData(), bytes.size()) != bytes.size()))
      throw EDataError("cannot write " + shown + ": " + ArchiveError(a.get()));
  }
  if (archive_write_close(a.get()) != ARCHIVE_OK)
    throw EDataError("cannot write " + shown + ": " + ArchiveError(a.get()));
}
