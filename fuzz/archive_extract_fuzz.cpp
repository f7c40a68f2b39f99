// An archive of any bytes, listed and extracted as the browser does it: into the folder the
// reader chose (with the members' paths, and into a sub-folder named after the archive) and
// into the working folder. Nothing may appear anywhere else below the run's folder, and no
// link may appear at all.

#include "archive/ArchiveHost.h"
#include "archive/UnRar.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

class THost : public TArchiveHost {
 public:
  explicit THost(std::string installFolder) : installFolder_(std::move(installFolder)) {}
  void ShowArchiveMessage(const std::string&) override {}
  bool IsArchiveMode() const override { return archiveMode_; }
  void SetArchiveMode(bool on) override { archiveMode_ = on; }
  void ShowFile(const std::string&) override {}
  std::optional<std::string> InstallFolder() const override { return installFolder_; }
  void SetBusy(bool) override {}
  void ShowProgress(int) override {}
  void EndProgress() override {}

 private:
  std::string installFolder_;
  bool archiveMode_ = false;
};

constexpr qint64 kRoom = 48 * 1024 * 1024;

qint64 BytesBelow(const QString& folder) {
  qint64 bytes = 0;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) bytes += QFileInfo(it.next()).size();
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QTemporaryDir run;
  // Three levels down, so that a name climbing out of the chosen folder still lands where the
  // walk below sees it.
  const QString top = run.path() + QStringLiteral("/a/b/c");
  QDir(run.path() + QStringLiteral("/a")).removeRecursively();
  const QString disc = top + QStringLiteral("/disc"), temp = top + QStringLiteral("/tmp"),
                install = top + QStringLiteral("/install");
  for (const QString& folder : {disc, temp, install})
    if (!QDir().mkpath(folder)) std::abort();
  QFile archive(disc + QStringLiteral("/a.rar"));
  if (!archive.open(QIODevice::WriteOnly) ||
      archive.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
    std::abort();
  archive.close();

  Global.TempFolder = HostPath::ToWindows(temp + u'/');
  THost host(HostPath::ToWindows(install + u'/'));
  {
    TUnRar unrar(host);
    unrar.MaxMembers = 500;
    unrar.FreeSpace = [&](const QString&) { return kRoom - BytesBelow(run.path()); };
    unrar.ShowListing(HostPath::ToWindows(archive.fileName()), {});
    unrar.ExtractAll(true, true);
    unrar.ExtractAll(true, false);
    unrar.ExtractAll(false, true);

    QDirIterator it(run.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      if (QFileInfo(path).isSymLink()) __builtin_trap();
      const auto within = [&](const QString& folder) { return (path + u'/').startsWith(folder + u'/'); };
      const bool expected =
          top.startsWith(path + u'/') || path == top || within(disc) || within(temp) || within(install);
      if (!expected) __builtin_trap();
    }
  }
  // The working folders go with the browser.
  if (!QDir(temp).isEmpty()) __builtin_trap();
  return 0;
}
