// archive_bench: how fast the archive browser lists and extracts, against libarchive alone.
//   build/bench/archive_bench
// Listing: an archive of 10 000 members in 100 folders is listed (walk and pages), against a
// bare walk of its headers. Extraction: 64 MB in 256 members are extracted, against
// libarchive's own extraction to disk. Each figure is the best of five runs.

#include "archive/UnRar.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "support/RarWriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

class TQuietHost : public TArchiveHost {
 public:
  void ShowArchiveMessage(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
  bool IsArchiveMode() const override { return false; }
  void SetArchiveMode(bool) override {}
  void ShowFile(const std::string&) override {}
  std::optional<std::string> InstallFolder() const override { return std::nullopt; }
  void SetBusy(bool) override {}
  void ShowProgress(int) override {}
  void EndProgress() override {}
};

double BestMs(const std::function<void()>& prepare, const std::function<void()>& run) {
  double best = 1e300;
  for (int i = 0; i < 5; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

struct archive* OpenRead(const QString& file) {
  struct archive* a = archive_read_new();
  archive_read_support_format_rar(a);
  archive_read_open_filename(a, QFile::encodeName(file).constData(), 64 * 1024);
  return a;
}

void WalkHeaders(const QString& file) {
  struct archive* a = OpenRead(file);
  struct archive_entry* entry = nullptr;
  while (archive_read_next_header(a, &entry) == ARCHIVE_OK) archive_read_data_skip(a);
  archive_read_free(a);
}

// libarchive's own extraction, as its examples do it: every entry written to disk below
// `folder`.
void ExtractWithLibarchive(const QString& file, const QString& folder) {
  struct archive* a = OpenRead(file);
  struct archive* disk = archive_write_disk_new();
  archive_write_disk_set_options(disk, ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_SYMLINKS);
  struct archive_entry* entry = nullptr;
  const QByteArray prefix = QFile::encodeName(folder) + '/';
  while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
    archive_entry_set_pathname(entry, (prefix + archive_entry_pathname(entry)).constData());
    if (archive_write_header(disk, entry) != ARCHIVE_OK) continue;
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    while (archive_read_data_block(a, &block, &size, &offset) == ARCHIVE_OK)
      archive_write_data_block(disk, block, size, offset);
    archive_write_finish_entry(disk);
  }
  archive_write_free(disk);
  archive_read_free(a);
}

}  // namespace

int main() {
  QTemporaryDir work;
  Global.TempFolder = HostPath::ToWindows(work.path() + "/tmp/");
  QDir().mkpath(work.path() + "/tmp");
  TQuietHost host;

  std::vector<TRarMember> many;
  for (int folder = 0; folder < 100; ++folder)
    for (int file = 0; file < 100; ++file)
      many.emplace_back(QString("folder%1\\member%2.txt").arg(folder).arg(file), QByteArray(100, 'x'));
  const QString manyFile = work.path() + "/many.rar";
  WriteFile(manyFile, EncodeRar4(many));
  const std::string manyName = HostPath::ToWindows(manyFile);

  std::unique_ptr<TUnRar> unrar;
  const double listing = BestMs(
      [&] {
        unrar.reset();
        unrar = std::make_unique<TUnRar>(host);
      },
      [&] { unrar->ShowListing(manyName, {}); });
  const double walk = BestMs([] {}, [&] { WalkHeaders(manyFile); });
  std::printf("listing 10000 members: %.0f ms; libarchive's header walk alone %.0f ms; ratio %.1f\n", listing, walk,
              listing / walk);

  std::vector<TRarMember> big;
  for (int i = 0; i < 256; ++i)
    big.emplace_back(QString("data\\part%1.bin").arg(i), QByteArray(256 * 1024, char('a' + i % 26)));
  const QString bigFile = work.path() + "/big.rar";
  WriteFile(bigFile, EncodeRar4(big));
  big.clear();
  const std::string bigName = HostPath::ToWindows(bigFile);

  const QString plain = work.path() + "/plain";
  const double ours = BestMs(
      [&] {
        unrar.reset();
        unrar = std::make_unique<TUnRar>(host);
        unrar->ShowListing(bigName, {});
      },
      [&] { unrar->ExtractAll(false, true); });
  const double theirs = BestMs(
      [&] {
        QDir(plain).removeRecursively();
        QDir().mkpath(plain);
      },
      [&] { ExtractWithLibarchive(bigFile, plain); });
  std::printf("extracting 64 MB in 256 members: %.0f ms; libarchive's own extraction %.0f ms; ratio %.2f\n", ours,
              theirs, ours / theirs);
  unrar.reset();
  return 0;
}
