// What the document pane and the contents trees ask of the main window.

#include "document/ContentsTrees.h"
#include "document/TreeViews.h"
#include "platform/Globals.h"
#include "skin/MainForm.h"
#include "tools/MyControl.h"
#include "tools/NavFont.h"
#include "tools/PathInputBox.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"

namespace {

constexpr int kTitleTextNumber = 1;

}  // namespace

void TMainForm::SetStatusText(const std::string& text) {
  if (StatusLine) StatusLine->SetStatus(text);
}

std::optional<std::string> TMainForm::InstallFolder() {
  if (!PathInput) return std::nullopt;
  std::string folder;
  PathInput->GetPath(folder);
  return folder;
}

void TMainForm::ShowPageTitle(const std::string& title) {
  if (TextMsg) TextMsg->SetText(title + "  ", kTitleTextNumber, true);
}

void TMainForm::PanePageChanged(const std::string& file) {
  if (NavFont) NavFont->SetFontFolder(file);
  if (Trees)
    if (TTreeViews* tree = Trees->Visible()) tree->FollowPane();
}

void TMainForm::PressSwitchSilently(QPoint at) { FormMouseDown(Qt::LeftButton, Qt::ShiftModifier, at); }

void TMainForm::PointerLeftSkin() { FormMouseMove(QPoint(-1, -1)); }

std::vector<TChapterButton> TMainForm::ChapterButtons() {
  std::vector<TChapterButton> result;
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount()) return result;
  const TDynamicBtnArray& buttons = Skin.ScreenBtns[s];
  for (size_t i = 0; i < buttons.size() && i < BtnPics.size(); ++i) {
    const std::string command = AsciiLower(buttons[i].go);
    if ((command == "prevchapter" || command == "nextchapter") && BtnPics[i].control)
      result.push_back({command == "nextchapter", BtnPics[i].control});
  }
  return result;
}
