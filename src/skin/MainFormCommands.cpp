// Running command texts: the dispatcher's actions and the screen switch.

#include "app/DescriptionSyntax.h"
#include "app/TextValues.h"
#include "document/ContentsTrees.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "document/TreeViews.h"
#include "media/ButtonSound.h"
#include "media/MyAviPlayer.h"
#include "media/SlideImage.h"
#include "media/Sound.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/Shell.h"
#include "platform/ui/TopWindows.h"
#include "search/FindTxtHtml.h"
#include "skin/ArchiveBrowser.h"
#include "skin/CommandTable.h"
#include "skin/MainForm.h"
#include "tools/NavFont.h"
#include "tools/PathInputBox.h"
#include "widgets/AnimatedPicture.h"
#include "windows/AboutBox.h"
#include "windows/CoolDialog.h"
#include "windows/FormOptions.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QTimer>

void TMainForm::RunCommand(const std::string& command, const std::string& sound, int index, TKind kind, bool replay) {
  if (Global.BusyFlag) return;
  const TCommand c = ClassifyCommand(command, Skin.ScreenCount());
  if (c.action == TCommandAction::Exit) {
    Freeze3dIfPlaying();
    // A window without a caption cannot be found by it: an untitled book closes itself, and so
    // does the thesaurus, whose caption other books' thesauruses share.
    if (TrimBlanks(Global.BookTitle).empty() || Global.ThesaurusRole) {
      close();
    } else if (const TWindowHandle window = FindTopWindowByTitle(FromCp1251(Global.BookTitle))) {
      WindowBus().SendMessage(window, {WM_CLOSE, 0, 0, {}});
    }
    if (kind == TKind::Button) ExitButtonIndex = index;
    return;
  }
  if (!replay) PlayButtonSound(sound);
  if (RunMediaCommand(c, kind)) return;

  switch (c.action) {
    case TCommandAction::Screen:
      if (Trees) Trees->SetStartLink(c.value);
      SwitchScreen(c.screen, kind, index);
      break;
    case TCommandAction::ScreenNumber:
      if (FindTxt && Dialog && Dialog->isVisible()) {
        FindTxt->SetIdle(true);
        Dialog->FormClose();
      }
      SwitchScreen(c.screen, kind, index);
      break;
    case TCommandAction::Run:
      // The program's folder on the host is where it runs.
      if (!c.value.empty()) {
        const std::string folder = FolderPart(c.value).empty() ? Global.ProgramFolder : FolderPart(c.value);
        const QString host = HostPath::ToHost(folder);
        if (!host.isEmpty()) QDir::setCurrent(host);
        Shell::Open(c.value, c.rest, folder);
      }
      break;
    case TCommandAction::About:
      if (!AboutBox) AboutBox = TAboutBox::Create(this);
      if (AboutBox) AboutBox->ShowModal();
      break;
    case TCommandAction::Minimize:
      showMinimized();
      if (kind == TKind::Button && index >= 0 && index < static_cast<int>(BtnPics.size()))
        BtnPics[index].pressed = BtnPics[index].hover2 = false;
      break;
    case TCommandAction::Help: FormKeyDown(this, Qt::Key_F1, Qt::NoModifier); break;
    case TCommandAction::Back:
    case TCommandAction::Forward:
      if (HtmlFrame && Global.CurrentScreen >= 0 && Global.CurrentScreen < Skin.ScreenCount()) {
        const auto& toggles = Skin.ScreenSwthOne[Global.CurrentScreen];
        const auto& groups = Skin.ScreenSwthGrp[Global.CurrentScreen];
        if (c.action == TCommandAction::Back)
          HtmlFrame->HistoryBack(toggles, groups);
        else
          HtmlFrame->HistoryForward(toggles, groups);
      }
      break;
    case TCommandAction::CopyHtml:
      if (HtmlFrame) HtmlFrame->CopyDocument();
      break;
    case TCommandAction::TopHtml:
      if (HtmlFrame) HtmlFrame->ScrollToTop();
      break;
    case TCommandAction::Html:
      if (HtmlFrame) {
        HtmlFrame->AddVisitGroup(c.value);
        HtmlFrame->ShowInElement(c.number, c.value);
      }
      break;
    case TCommandAction::Tree1:
    case TCommandAction::Tree2:
      if (Trees) Trees->ChooseTree(c.action == TCommandAction::Tree1 ? 1 : 2);
      break;
    case TCommandAction::OnTree:
    case TCommandAction::OffTree:
      if (Trees) Trees->SetTreesHidden(c.action == TCommandAction::OffTree);
      break;
    case TCommandAction::NextChapter:
    case TCommandAction::PrevChapter:
      if (TTreeViews* tree = Trees ? Trees->Visible() : nullptr) {
        if (c.action == TCommandAction::NextChapter)
          tree->NextChapter();
        else
          tree->PrevChapter();
      }
      break;
    case TCommandAction::StandartWin: EnterStandardWindow(); break;
    case TCommandAction::HistoryBack:
    case TCommandAction::HistoryForward:
    case TCommandAction::ShowFavorite:
    case TCommandAction::DeleteFromFavorite:
      if (kind == TKind::Button && PopupLists) PopupLists->Popup(c.popupType, ButtonCorner(index));
      break;
    case TCommandAction::AddToFavorite:
      if (PopupLists) PopupLists->AddToFavorite();
      break;
    case TCommandAction::ContextMenu:
      if (kind == TKind::Button && PopupLists) PopupLists->Popup(c.number, QCursor::pos());
      break;
    case TCommandAction::Tesaurus: OpenThesaurus(); break;
    case TCommandAction::Options:
      if (FormOptions) {
        FormOptions->show();
        FormOptions->raise();
        FormOptions->activateWindow();
      }
      break;
    case TCommandAction::InstallFonts:
      if (NavFont && !NavFont->InstallFonts()) SetStatusText(ToCp1251(u"Не удалось установить шрифты"));
      break;
    case TCommandAction::FindNext:
      if (commandLine_.Role() == TRole::Thesaurus) {
        if (FindTxt) FindTxt->FindNext(c.number);
      } else if (Dialog) {
        Dialog->ShowPage(TCoolDialog::SearchPage);
      }
      break;
    case TCommandAction::FindTxtAll:
    case TCommandAction::FindTxtLimit:
      if (FindTxt) FindTxt->SetAllFiles(c.action == TCommandAction::FindTxtAll);
      break;
    case TCommandAction::CaseOn:
    case TCommandAction::CaseOff: Global.CaseSensitive = c.action == TCommandAction::CaseOn; break;
    case TCommandAction::PrintHtml:
      if (HtmlFrame) HtmlFrame->PrintDocument();
      break;
    case TCommandAction::Unarc:
      if (ArchiveBrowser) ArchiveBrowser->Unarc();
      break;
    case TCommandAction::NextPic:
      if (Slides) Slides->NextPicture();
      break;
    case TCommandAction::PrevPic:
      if (Slides) Slides->PreviousPicture();
      break;
    default:
      // The other actions belong to components this window does not have.
      break;
  }
}

void TMainForm::SwitchScreen(int target, TKind kind, int index) {
  // A description may name a screen it never declared, and switches replayed on two screens
  // may send each other back and forth for ever.
  constexpr int kMaxNestedSwitches = 8;
  if (target < 0 || target >= Skin.ScreenCount() || nestedSwitches_ >= kMaxNestedSwitches) return;
  ++nestedSwitches_;

  if (restart3dTimer_) restart3dTimer_->stop();
  const int from = Global.CurrentScreen;
  if (kind == TKind::Button && index >= 0 && index < static_cast<int>(BtnPics.size())) {
    RBtnPic& pic = BtnPics[index];
    pic.hover = pic.hover2 = pic.pressed = false;
    pic.effect->StopFade();
  } else if (kind == TKind::SwitchOne && index >= 0 && index < static_cast<int>(Skin.ScreenSwthOne[from].size())) {
    Skin.ScreenSwthOne[from][index].hover = false;
  } else if (kind == TKind::SwitchGrp && index >= 0 && index < static_cast<int>(Skin.ScreenSwthGrp[from].size())) {
    Skin.ScreenSwthGrp[from][index].hover = false;
  }

  Global.CurrentScreen = target;
  if (target == 1 && Clip3d) Clip3d->Freeze();
  unsetCursor();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  LoadBackground();
  BuildScreenPictures();
  ComposeBackground();

  if (FindTxt) FindTxt->ScreenChanged(target);
  if (PathInput) PathInput->ScreenChanged(target);
  if (PagePlayer) PagePlayer->ScreenChanged(target);
  if (Slides) Slides->ScreenChanged();
  if (PopupLists) PopupLists->Rebuild(target);

  if (piston_) {
    const bool readingScreen = Global.CurrentScreen == 1;
    piston_->SetAnimate(!readingScreen);
    piston_->setVisible(!readingScreen);
  }

  if (HtmlFrame) HtmlFrame->ShowScreenPane(target);
  if (Trees) Trees->ShowForScreen(target);

  ReplaySwitches(true);
  if (Clip3d) Clip3d->PaintFrozen(BackgroundBitmap);
  Arm3dRestart();
  repaint();
  QApplication::restoreOverrideCursor();
  --nestedSwitches_;
}

bool TMainForm::Restart3dPending() const { return restart3dTimer_ && restart3dTimer_->isActive(); }

// The car's 3D view plays inside screen 0's picture, so a "3d" switch that is on brings it
// back 100 ms after the reader returns there.
void TMainForm::Arm3dRestart() {
  const int s = Global.CurrentScreen;
  const bool viewActive = Clip3d && Clip3d->Active;
  bool start = false;
  if (s == 0)
    for (const RSwthOne& toggle : Skin.ScreenSwthOne[s])
      if (toggle.state && toggle.godown == "3d") {
        start = viewActive && Clip3d->IsIdle();
        break;
      }
  for (const RSwthGrp& group : Skin.ScreenSwthGrp[s])
    if (group.state && group.go == "3d") {
      start = start || s != 0 || viewActive;
      break;
    }
  if (!start) return;
  if (!restart3dTimer_) {
    restart3dTimer_ = new QTimer(this);
    restart3dTimer_->setSingleShot(true);
    restart3dTimer_->setInterval(100);
    connect(restart3dTimer_, &QTimer::timeout, this, [this] {
      restart3dTimer_->stop();
      if (Global.CurrentScreen == 0 && Clip3d) Clip3d->ResumeUnlessPaused();
    });
  }
  restart3dTimer_->start();
}

void TMainForm::ReplaySwitches(bool leaveOut3d) {
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount()) return;
  // A command may switch the screen and rebuild the lists: copy what is replayed first.
  const TDynamicSwthOneArray toggles = Skin.ScreenSwthOne[s];
  for (size_t i = 0; i < toggles.size() && Global.CurrentScreen == s; ++i) {
    if (leaveOut3d && toggles[i].godown == "3d") continue;
    RunCommand(toggles[i].state ? toggles[i].godown : toggles[i].goup, toggles[i].wav, int(i), TKind::SwitchOne, true);
  }
  const TDynamicSwthGrpArray groups = Skin.ScreenSwthGrp[s];
  for (size_t i = 0; i < groups.size() && Global.CurrentScreen == s; ++i) {
    if (!groups[i].state || (leaveOut3d && groups[i].go == "3d")) continue;
    RunCommand(groups[i].go, groups[i].wav, int(i), TKind::SwitchGrp, true);
  }
}

bool TMainForm::TreeSwitchIgnored(const RSwthOne& toggle) const { return Trees && Trees->SwitchIgnored(toggle); }
