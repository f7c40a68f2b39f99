#include "support/SavedGlobals.h"

#include "app/Globals.h"
#include "platform/HostPath.h"
#include "platform/Registry.h"

TSavedGlobals::TSavedGlobals()
    : programFolder_(ProgramFolder),
      discRoot_(DiscRoot),
      packRoot_(PackRoot),
      systemFolder_(SystemFolder),
      windowsFolder_(WindowsFolder),
      tempFolder_(TempFolder),
      bookTitle_(BookTitle),
      busyFlag_(BusyFlag),
      currentScreen_(CurrentScreen),
      discHost_(HostPath::DiscRootHost()),
      storeFolder_(TRegistry::StoreFolder()) {}

TSavedGlobals::~TSavedGlobals() {
  ProgramFolder = programFolder_;
  DiscRoot = discRoot_;
  PackRoot = packRoot_;
  SystemFolder = systemFolder_;
  WindowsFolder = windowsFolder_;
  TempFolder = tempFolder_;
  BookTitle = bookTitle_;
  BusyFlag = busyFlag_;
  CurrentScreen = currentScreen_;
  // An unset disc root cannot be set back; the next test that needs one sets its own.
  if (!discHost_.isEmpty()) HostPath::SetDiscRoot(discHost_);
  TRegistry::SetStoreFolder(storeFolder_);
}
