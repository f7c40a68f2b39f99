#include "booktool/OpenBook.h"

#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "booktool/Command.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QFileInfo>

void OpenBook(const std::string& folder) {
  const QString book = QString::fromLocal8Bit(folder.c_str());
  if (!QFileInfo(book).isDir()) throw InputError("not a folder: " + folder);
  ApplyFolders(ComputeFolders(book));
  const std::string pack = Global.ProgramFolder + "interface.dat";
  try {
    if (HostPath::FileExists(pack)) PackOpen(pack);
  } catch (const std::runtime_error& e) {
    throw InputError(e.what());
  }
  PackSetRoot(Global.PackRoot);
}
