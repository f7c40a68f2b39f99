// The window's observable state, for scripted runs.

#include "document/ContentsTrees.h"
#include "document/ControlPopupWindow.h"
#include "document/FontForm.h"
#include "document/HtmlFrame.h"
#include "media/SlideImage.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/Dialogs.h"
#include "search/FindTxtHtml.h"
#include "skin/ArchiveBrowser.h"
#include "skin/MainForm.h"
#include "tools/MyControl.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"
#include "windows/AboutBox.h"
#include "windows/CoolDialog.h"
#include "windows/FormOptions.h"

#include <QJsonArray>

namespace {

template <typename Switches>
QJsonArray SwitchStates(const Switches& switches) {
  QJsonArray list;
  for (const auto& s : switches) list.append(QJsonObject{{"state", s.state}, {"hover", s.hover}});
  return list;
}

}  // namespace

QJsonObject TMainForm::StateForDump() const {
  QJsonObject state;
  state["screen"] = Global.CurrentScreen;
  state["size"] = QJsonArray{width(), height()};
  state["scale"] = Global.InterfaceScale;
  state["busy"] = Global.BusyFlag;

  QJsonArray screens;
  for (int s = 0; s < Skin.ScreenCount(); ++s)
    screens.append(QJsonObject{{"switchone", SwitchStates(Skin.ScreenSwthOne[s])},
                               {"switchgrp", SwitchStates(Skin.ScreenSwthGrp[s])}});
  state["screens"] = screens;

  QJsonArray buttons;
  if (Global.CurrentScreen >= 0 && Global.CurrentScreen < Skin.ScreenCount())
    for (size_t i = 0; i < BtnPics.size(); ++i)
      buttons.append(QJsonObject{{"hover", BtnPics[i].hover},
                                 {"pressed", BtnPics[i].pressed},
                                 {"hint", BtnPics[i].control ? BtnPics[i].control->toolTip() : QString()}});
  state["buttons"] = buttons;

  QJsonArray texts;
  if (TextMsg)
    for (const std::string& text : TextMsg->Texts()) texts.append(FromCp1251(text));
  state["texts"] = texts;
  state["status"] = StatusLine ? FromCp1251(StatusLine->Text()) : QString();
  if (HtmlFrame) state["pane"] = HtmlFrame->StateForDump();
  state["trees"] = Trees ? Trees->StateForDump()
                         : QJsonObject{{"A", QJsonObject{{"exists", false}}}, {"B", QJsonObject{{"exists", false}}}};
  state["instances"] = InstancesForDump();
  state["popups"] = PopupLists ? PopupLists->StateForDump() : QJsonArray();
  state["favorites"] = PopupLists ? PopupLists->FavoritesForDump() : QJsonArray();
  if (ArchiveBrowser) state["archive"] = ArchiveBrowser->StateForDump();
  state["preview"] = PreviewForDump();
  state["dialog"] = Dialog ? Dialog->StateForDump() : QJsonObject{{"exists", false}};
  state["search"] = FindTxt ? FindTxt->StateForDump() : QJsonObject{{"exists", false}};
  state["settings"] = TFormOptions::SettingsForDump();
  state["windows"] = WindowsForDump();
  AddMediaState(state);
  if (AboutBox) state["about"] = AboutBox->StateForDump();
  state["slides"] = Slides ? Slides->StateForDump() : QJsonObject{{"exists", false}};
  state["messages"] = QJsonArray::fromStringList(Dialogs::TakeRecorded());
  return state;
}

// The secondary windows of this process, open or not.
QJsonObject TMainForm::WindowsForDump() const {
  const TFontForm* fontForm = HtmlFrame ? HtmlFrame->FontForm() : nullptr;
  return {{"options", FormOptions && FormOptions->isVisible()},
          {"about", AboutBox && AboutBox->isVisible()},
          {"fontForm", fontForm && fontForm->isVisible()}};
}
