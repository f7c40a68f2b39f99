#include "booktool/BookOpening.h"

#include "app/BookPlace.h"
#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "booktool/Command.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QFileInfo>

void SetBookFolders(const std::string& arg) {
  TBookPlace place;
  try {
    place = LocateBook(QString::fromLocal8Bit(arg.c_str()), {});
  } catch (const std::runtime_error& e) {
    throw InputError(e.what());
  }
  ApplyFolders(ComputeFolders(place.book, place.disc));
}

void OpenBookPack() {
  const std::string pack = Global.ProgramFolder + "interface.dat";
  if (QFileInfo::exists(HostPath::ToHost(pack))) {
    try {
      PackOpen(pack);
    } catch (const std::runtime_error& e) {
      throw InputError(e.what());
    }
  }
  PackSetRoot(Global.PackRoot);
}
