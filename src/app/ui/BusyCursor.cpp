#include "app/ui/BusyCursor.h"

#include "app/Globals.h"

#include <QApplication>
#include <QCursor>

void SetBusyCursor(bool on) {
  if (on) {
    if (!BusyFlag) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    // Let what piled up while busy be handled first: clicks made now are still refused.
    QCoreApplication::processEvents();
    if (BusyFlag) QApplication::restoreOverrideCursor();
  }
  BusyFlag = on;
}
