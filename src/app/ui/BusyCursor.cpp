#include "app/ui/BusyCursor.h"

#include "platform/Globals.h"

#include <QApplication>
#include <QCursor>

void SetBusyCursor(bool on) {
  if (on) {
    if (!Global.BusyFlag) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    // Let what piled up while busy be handled first: clicks made now are still refused.
    QCoreApplication::processEvents();
    if (Global.BusyFlag) QApplication::restoreOverrideCursor();
  }
  Global.BusyFlag = on;
}

THourglass::THourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }

THourglass::~THourglass() { QApplication::restoreOverrideCursor(); }
