#include "archive/ArchiveReader.h"

#include "platform/Cp1251.h"

#include <archive.h>
#include <archive_entry.h>
#include <QFile>
#include <cerrno>
#include <vector>

#ifndef Q_OS_WIN
#include <locale.h>
#include <clocale>
#endif

namespace {

constexpr size_t kBlockSize = 64 * 1024;

// What libarchive sets for data in no format it reads.
#ifdef EFTYPE
constexpr int kFormatError = EFTYPE;
#else
constexpr int kFormatError = EILSEQ;
#endif

// libarchive converts names into the character set of the calling thread's locale. Each call
// runs with a UTF-8 locale on this thread, so that every name arrives in UTF-8 whatever the
// process's own locale is.
class TUtf8Locale {
 public:
#ifndef Q_OS_WIN
  TUtf8Locale() {
    static const locale_t utf8 = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (utf8) previous_ = uselocale(utf8);
  }
  ~TUtf8Locale() {
    if (previous_) uselocale(previous_);
  }

 private:
  locale_t previous_ = static_cast<locale_t>(nullptr);
#endif
};

QString EntryName(struct archive_entry* entry) {
  QString name;
  if (const char* utf8 = archive_entry_pathname_utf8(entry))
    name = QString::fromUtf8(utf8);
  else if (const char* bytes = archive_entry_pathname(entry))
    name = QString::fromLatin1(bytes);
  name.replace(u'/', u'\\');
  while (name.endsWith(u'\\')) name.chop(1);
  return name;
}

TArchiveHeader::TKind EntryKind(struct archive_entry* entry) {
  if (archive_entry_hardlink(entry)) return TArchiveHeader::TKind::Link;
  switch (archive_entry_filetype(entry)) {
    case AE_IFDIR: return TArchiveHeader::TKind::Folder;
    case AE_IFLNK: return TArchiveHeader::TKind::Link;
    case AE_IFREG:
    case 0:  // an archive made on a system that gives no file type
      return TArchiveHeader::TKind::File;
    default: return TArchiveHeader::TKind::Other;
  }
}

}  // namespace

TArchiveReader::TArchiveReader() {
  const TUtf8Locale locale;
  archive_ = archive_read_new();
  if (!archive_) return;
  archive_read_support_format_rar(archive_);
  archive_read_support_format_rar5(archive_);
  archive_read_support_format_zip(archive_);
  archive_read_support_format_7zip(archive_);
  archive_read_set_options(archive_, "hdrcharset=CP866");
}

TArchiveReader::~TArchiveReader() {
  const TUtf8Locale locale;
  if (archive_) archive_read_free(archive_);
}

TRarCode TArchiveReader::Opened(int result) {
  if (result == ARCHIVE_OK || result == ARCHIVE_WARN) {
    usable_ = true;
    return TRarCode::Success;
  }
  return archive_errno(archive_) == kFormatError ? TRarCode::BadArchive : TRarCode::EOpen;
}

TRarCode TArchiveReader::OpenFiles(const QStringList& hostFiles) {
  if (!archive_) return TRarCode::NoMemory;
  if (hostFiles.isEmpty()) return TRarCode::EOpen;
  std::vector<QByteArray> names;
  for (const QString& file : hostFiles) {
    // The library reports a file it cannot open as damaged; say so plainly instead.
    if (QFile check(file); !check.open(QIODevice::ReadOnly)) return TRarCode::EOpen;
    names.push_back(QFile::encodeName(file));
  }
  std::vector<const char*> pointers;
  for (const QByteArray& name : names) pointers.push_back(name.constData());
  pointers.push_back(nullptr);
  const TUtf8Locale locale;
  return Opened(archive_read_open_filenames(archive_, pointers.data(), kBlockSize));
}

TRarCode TArchiveReader::OpenMemory(std::string bytes) {
  if (!archive_) return TRarCode::NoMemory;
  memory_ = std::move(bytes);
  const TUtf8Locale locale;
  return Opened(archive_read_open_memory(archive_, memory_.data(), memory_.size()));
}

TRarCode TArchiveReader::ReadHeader(TArchiveHeader& header) {
  if (!usable_) return TRarCode::BadData;
  const TUtf8Locale locale;
  struct archive_entry* entry = nullptr;
  const int result = archive_read_next_header(archive_, &entry);
  if (result == ARCHIVE_EOF) return TRarCode::EndArchive;
  if (result != ARCHIVE_OK && result != ARCHIVE_WARN) {
    usable_ = false;
    return TRarCode::BadData;
  }
  header = {};
  header.name = EntryName(entry);
  header.name1251 = ToCp1251(header.name);
  header.kind = EntryKind(entry);
  header.sizeKnown = archive_entry_size_is_set(entry) && archive_entry_size(entry) >= 0;
  header.size = header.sizeKnown ? static_cast<uint64_t>(archive_entry_size(entry)) : 0;
  header.dosTime = archive_entry_mtime_is_set(entry) ? DosDateTime(archive_entry_mtime(entry)) : 0;
  return TRarCode::Success;
}

TRarCode TArchiveReader::DataError(int result) {
  if (result == ARCHIVE_FATAL) usable_ = false;
  const int error = archive_errno(archive_);
  return error == EIO ? TRarCode::ERead : TRarCode::BadData;
}

TRarCode TArchiveReader::Skip() {
  if (!usable_) return TRarCode::BadData;
  const TUtf8Locale locale;
  const int result = archive_read_data_skip(archive_);
  return result == ARCHIVE_OK || result == ARCHIVE_WARN ? TRarCode::Success : DataError(result);
}

TRarCode TArchiveReader::ReadData(const TSink& sink) {
  if (!usable_) return TRarCode::BadData;
  for (;;) {
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    int result;
    {
      const TUtf8Locale locale;
      result = archive_read_data_block(archive_, &block, &size, &offset);
    }
    if (result == ARCHIVE_EOF) return TRarCode::Success;
    if (result != ARCHIVE_OK && result != ARCHIVE_WARN) return DataError(result);
    if (offset < 0) return TRarCode::BadData;
    if (size > 0 && !sink(static_cast<uint64_t>(offset), static_cast<const char*>(block), size))
      return TRarCode::EWrite;
  }
}
