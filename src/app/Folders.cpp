#include "app/Folders.h"

#include "app/DescriptionSyntax.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Absolute(const QString& dir) { return QDir::cleanPath(QFileInfo(dir).absoluteFilePath()); }

std::string WithBackslash(std::string text) {
  if (text.empty() || text.back() != '\\') text += '\\';
  return text;
}

}  // namespace

std::string RemoveFirstRun(const std::string& text) {
  const size_t at = AsciiLower(text).find("run\\");
  if (at == std::string::npos) return text;
  return text.substr(0, at) + text.substr(at + 4);
}

TFolders ComputeFolders(const QString& bookDir, const QString& discDir) {
  TFolders f;
  const QString book = Absolute(bookDir);
  if (!discDir.isEmpty()) {
    f.discHost = Absolute(discDir);
  } else {
    const QStringList parts = book.split(u'/');
    f.discHost = book;
    for (qsizetype i = 1; i < parts.size(); ++i) {
      if (parts[i].compare(u"run", Qt::CaseInsensitive) == 0) {
        f.discHost = parts.mid(0, i).join(u'/');
        if (f.discHost.isEmpty()) f.discHost = QStringLiteral("/");
        break;
      }
    }
  }

  HostPath::SetDiscRoot(f.discHost);
  f.programFolder = WithBackslash(HostPath::ToWindows(book + u'/'));
  f.discRoot = f.programFolder.substr(0, 2) + "\\";
  f.packRoot = RemoveFirstRun(f.programFolder);
  f.tempFolder = WithBackslash(HostPath::ToWindows(QDir::tempPath() + u'/'));
  const QString windowsHost =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/skinbook/windows/");
  f.windowsFolder = WithBackslash(HostPath::ToWindows(windowsHost));
  f.systemFolder = f.windowsFolder + "system32\\";
  return f;
}

void ApplyFolders(const TFolders& f) {
  HostPath::SetDiscRoot(f.discHost);
  Global.ProgramFolder = f.programFolder;
  Global.DiscRoot = f.discRoot;
  Global.PackRoot = f.packRoot;
  Global.TempFolder = f.tempFolder;
  Global.WindowsFolder = f.windowsFolder;
  Global.SystemFolder = f.systemFolder;
}
