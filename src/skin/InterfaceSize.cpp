#include "skin/InterfaceSize.h"

#include "app/BookPlace.h"
#include "app/Description.h"
#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "app/Settings.h"
#include "app/ui/PackPicture.h"
#include "platform/Globals.h"
#include "platform/InterfaceScale.h"
#include "skin/SkinReader.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The first screen's background: the size the window takes.
QSize SkinSize() {
  const std::string structName = Global.ProgramFolder + "Struct.txt";
  const TSkinModel skin = ReadSkin(ReadDescriptionLines(structName, true), structName);
  return skin.ScreenBackgrounds.empty() ? QSize()
                                        : LoadPackPicture(Global.ProgramFolder + skin.ScreenBackgrounds[0]).size();
}

}  // namespace

double StoredInterfaceScale(const QString& bookPath, const QString& disc) {
  double factor = 1;
  try {
    const TBookPlace place = LocateBook(bookPath, disc);
    ApplyFolders(ComputeFolders(place.book, place.disc));
    try {
      PackOpen(Global.ProgramFolder + "interface.dat");
      PackSetRoot(Global.PackRoot);
    } catch (const std::exception&) {
      // A book of loose files; a damaged pack is the start's to report.
    }
    Global.BookTitle = ReadBookTitleFile();
    const TBookSettings settings;
    const int choice = ReadSizeInterface(settings);
    const QScreen* screen = QGuiApplication::primaryScreen();
    factor = choice == InterfaceScale::Automatic
                 ? InterfaceScale::AutomaticFactor(SkinSize(), screen ? screen->availableGeometry().size() : QSize())
                 : InterfaceScale::FactorForChoice(choice, {}, {}, settings.Read(Settings::FreeSizeScale));
  } catch (const std::exception&) {
    factor = 1;
  }
  PackClose();
  Global = TGlobals();
  return factor;
}
