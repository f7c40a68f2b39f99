#include "tools/NavFont.h"

#include "app/DescriptionSyntax.h"
#include "app/Log.h"
#include "app/ui/BusyCursor.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/FontTable.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

// The hourglass and the refusal of commands while the fonts are copied.
struct TBusyState {
  TBusyState() { SetBusyCursor(true); }
  ~TBusyState() { SetBusyCursor(false); }
  TBusyState(const TBusyState&) = delete;
  TBusyState& operator=(const TBusyState&) = delete;
};

enum class TCopyResult { Copied, DiskFull, Failed };

std::filesystem::path FsPath(const QString& host) {
  return std::filesystem::path(QFile::encodeName(host).toStdString());
}

// Copies beside the target first, so that a failed copy leaves an existing font whole.
TCopyResult CopyReplacing(const QString& from, const QString& to) {
  namespace fs = std::filesystem;
  const fs::path target = FsPath(to);
  fs::path part = target;
  part += ".part";
  std::error_code error;
  fs::copy_file(FsPath(from), part, fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(part, target, error);
  if (!error) return TCopyResult::Copied;
  qCWarning(lcErrors) << "font copy" << from << "to" << to << error.message().c_str();
  std::error_code ignored;
  fs::remove(part, ignored);
  return error == std::errc::no_space_on_device ? TCopyResult::DiskFull : TCopyResult::Failed;
}

}  // namespace

void TNavFont::SetFontFolder(const std::string& fileName) { fontFolder_ = FolderPart(fileName); }

bool TNavFont::InstallFonts() {
  const TBusyState busy;
  std::vector<std::string> fonts;
  FindFiles(fontFolder_, {"*.ttf"}, false, fonts, false);
  if (fonts.empty()) return true;
  if (Global.WindowsFolder.empty()) return false;

  const std::string fontsFolder = Global.WindowsFolder + "Fonts\\";
  QDir().mkpath(HostPath::ToHost(fontsFolder));
  bool installed = true;
  for (const std::string& font : fonts) {
    const std::string target = fontsFolder + FileNamePart(font);
    const QString targetHost = HostPath::ToHost(target);
    if (targetHost.isEmpty()) {
      installed = false;
      continue;
    }
    const TCopyResult copy = CopyReplacing(HostPath::ToHost(font), targetHost);
    if (copy != TCopyResult::Copied) installed = false;
    if (copy == TCopyResult::DiskFull) break;
    // After another failure an older copy may still be there.
    if (QFile::exists(targetHost) && !FontTable::AddFontResource(target)) installed = false;
  }
  return installed;
}
