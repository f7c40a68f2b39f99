// The popup lists' side of the main window: creating them, where the buttons open them, and
// the commands their items hand back.

#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "platform/Globals.h"
#include "skin/MainForm.h"

#include <QGuiApplication>

void TMainForm::CreatePopupLists() {
  PopupLists = std::make_unique<TControlPopupWindow>(*this, Skin.ScreenPopups, Global.CurrentScreen);
  // The pane showed its first page before the lists existed.
  if (HtmlFrame) HtmlFrame->UpdateHistoryControls();
  // Lists never outlive the reader's turning to another program.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && PopupLists) PopupLists->CloseAll();
  });
}

void TMainForm::RunPopupCommand(const std::string& command) { RunCommand(command, {}, 0, TKind::Button, true); }

QPoint TMainForm::ButtonCorner(int index) const {
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount() || index < 0 || index >= static_cast<int>(Skin.ScreenBtns[s].size()))
    return mapToGlobal(QPoint(0, 0));
  const RBtn& button = Skin.ScreenBtns[s][index];
  return mapToGlobal(QPoint(button.right, button.bottom));
}
