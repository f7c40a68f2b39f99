// The main window at the free interface size: dragged larger or smaller by its edges, the
// skin drawn at the factor the drag gives and that factor kept for the next start.

#include "app/Settings.h"
#include "platform/Globals.h"
#include "platform/InterfaceScale.h"
#include "platform/ui/SkinScale.h"
#include "skin/MainForm.h"
#include "widgets/EdgeResizer.h"

#include <cmath>

void TMainForm::EnableFreeSize() {
  // The build has read the stored choice; the dialog changes it only after the start.
  if (Role() != TRole::Main || Global.ScaleForced || Global.Options.SizeInterface != InterfaceScale::Free) return;
  new TEdgeResizer(
      this, [] { return Global.InterfaceScale; },
      [this](double factor, QPoint deviceTopLeft) { FreeSizeDragged(factor, deviceTopLeft); });
}

void TMainForm::FreeSizeDragged(double factor, QPoint deviceTopLeft) {
  SkinScale::Change(factor);
  move(QPoint(std::lround(deviceTopLeft.x() / factor), std::lround(deviceTopLeft.y() / factor)));
  // The shape was handed to the screen in its pixels: it is handed over again at the new size.
  if (!OpeningRunning()) ApplyMainShape();
  update();
  TBookSettings().Write(Settings::FreeSizeScale, static_cast<int>(std::lround(factor * 1000)));
}
