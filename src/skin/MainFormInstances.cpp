// The main window among the program's other processes: the picture window and thesaurus roles,
// standard window mode, messages from other instances, and what scripted runs see of them.

#include "app/ComprStream.h"
#include "app/Description.h"
#include "app/Log.h"
#include "app/ResourcePack.h"
#include "app/ui/OtherInstances.h"
#include "app/ui/PackPicture.h"
#include "document/HtmlFrame.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/NamedGuard.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/WindowBus.h"
#include "search/FindTxtHtml.h"
#include "search/MakeTesaurusFind.h"
#include "skin/MainForm.h"
#include "skin/SkinReader.h"
#include "tools/PathInputBox.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"
#include "windows/InstanceMessages.h"
#include "windows/RoleBook.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>

namespace {

constexpr QSize kBareThesaurusSize(640, 480);

// A file named on the command line: a Windows name as the program passes it on, or a host
// path that someone typed.
std::string RoleFile(const QString& file) {
  if (file.isEmpty()) return {};
  if (file.size() > 1 && file[1] == u':') return ToCp1251(file);
  return HostPath::ToWindows(QFileInfo(file).absoluteFilePath());
}

const char* RoleName(TRole role) {
  switch (role) {
    case TRole::Main: return "main";
    case TRole::Thesaurus: return "thesaurus";
    case TRole::Picture: return "picture";
  }
  return "";
}

}  // namespace

// A picture window shows one file in standard window mode; of the book it knows only the
// title, the icon and the help file.
void TMainForm::RunPictureWindow() {
  const TRoleArguments arguments = ParseRoleCommandLine(commandLine_.arguments);
  const std::string file = RoleFile(arguments.file);
  Skin = TSkinModel{};
  Global.CurrentScreen = 0;
  RHTML pane;
  pane.fn = file;
  pane.number = 1;
  HtmlFrame = std::make_unique<THtmlFrame>(*this, TDynamicHtmlArray{pane}, Global.CurrentScreen);
  // Sounds the page links to play here too; the one clip panel is empty.
  Skin.Clips = {RClip{}};
  CreatePagePlayer();

  const TRoleBook book = ReadRoleBook();
  Global.BookTitle = book.title;
  WindowBus().SetGroup(FromCp1251(book.title));
  Skin.HelpFile = book.helpFile;
  if (!book.icon.empty()) {
    const QImage icon = LoadPicture(book.icon);
    if (!icon.isNull()) QApplication::setWindowIcon(QPixmap::fromImage(icon));
  }
  // The help window is no book's main window: F1 there finds none.
  if (arguments.help) Global.BookTitle = ToCp1251(u"Помощь");
  const QString title = FromCp1251(Global.BookTitle);
  QApplication::setApplicationDisplayName(title);
  setWindowTitle(title);

  standardWindow_ = std::make_unique<TStandardWindow>(*this, true);
  standardWindow_->Enter(file);
}

// The thesaurus window: one screen from "Tesaurus.txt", its panes showing the page named on the
// command line, its search fields on the window itself. One runs per book.
void TMainForm::RunThesaurusWindow() {
  Global.ThesaurusRole = true;
  const std::string page = RoleFile(ParseRoleCommandLine(commandLine_.arguments).file);
  Global.CurrentScreen = 0;
  Skin = TSkinModel{};
  const std::string description = Global.ProgramFolder + "Tesaurus.txt";
  if (FileOrPackExists(description)) {
    try {
      Skin = ReadTesaurusSkin(ReadDescriptionLines(description, true), ShownFileName(description));
    } catch (const std::exception& e) {
      // A window without its skin still shows the thesaurus.
      qCWarning(lcErrors) << e.what();
      Skin = TSkinModel{};
    }
  }
  for (RHTML& pane : Skin.Htmls) pane.fn = page;
  // Sounds the pages link to play here too; the one clip panel is empty.
  Skin.Clips = {RClip{}};

  ReadBookTitle();
  const std::string bookTitle = Global.BookTitle;
  WindowBus().SetGroup(FromCp1251(bookTitle));
  const QString caption = OtherInstances::kThesaurusCaption;
  Global.BookTitle = ToCp1251(caption);
  QApplication::setApplicationDisplayName(caption);
  setWindowTitle(caption);
  if (!Skin.Icon.empty()) {
    const QImage icon = LoadPicture(Skin.Icon);
    if (!icon.isNull()) QApplication::setWindowIcon(QPixmap::fromImage(icon));
  }

  // Per book: the window bus pairs a thesaurus with its own book's main window.
  instanceGuard_ = std::make_unique<TNamedGuard>(Global.BookTitle + ":" + bookTitle);
  if (!instanceGuard_->Acquire()) {
    terminating_ = true;
    return;
  }

  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAcceptDrops(true);
  LoadBackground();
  if (BackgroundBitmap.isNull()) {
    // Without its skin the window has no buttons of its own to close it with.
    setWindowFlag(Qt::FramelessWindowHint, false);
    resize(kBareThesaurusSize);
  } else {
    resize(BackgroundBitmap.size());
  }
  setAttribute(Qt::WA_AlwaysShowToolTips);
  BuildScreenPictures();
  ComposeBackground();

  StatusLine = std::make_unique<TStatusLine>();
  if (!Skin.Texts.empty()) {
    TextMsg = std::make_unique<TTextMsg>(this, Skin.Texts);
    StatusLine->SetTextMsg(TextMsg.get());
  }
  if (!Skin.Htmls.empty()) HtmlFrame = std::make_unique<THtmlFrame>(*this, Skin.Htmls, Global.CurrentScreen);
  if (!Skin.FindTxts.empty())
    FindTxt = std::make_unique<TFindTxtHtml>(*this, Skin.FindTxts, Global.CurrentScreen, this, true);
  CreatePagePlayer();
  show();
}

// The thesaurus at the start page that the first line of "tezaurus.idx" names.
void TMainForm::OpenThesaurus() {
  TMakeTesaurusFind find;
  find.SetFolder(Global.ProgramFolder);
  find.OnWarning = [this](const std::string& text) {
    Dialogs::Message(this, QMessageBox::Warning, FromCp1251(Global.BookTitle), QString::fromUtf8(text));
  };
  std::string target;
  if (!find.Lookup({}, target)) return;
  OtherInstances::OpenThesaurusWindow(this, Global.ProgramFolder + target);
}

void TMainForm::EnterStandardWindow() {
  if (!standardWindow_) standardWindow_ = std::make_unique<TStandardWindow>(*this, false);
  standardWindow_->Enter({});
}

void TMainForm::HistoryControlsChanged() {
  if (standardWindow_) standardWindow_->UpdateHistoryControls();
}

void TMainForm::ShowLinkTarget(const std::string& text) {
  if (standardWindow_) standardWindow_->ShowLinkTarget(text);
}

void TMainForm::RunMessageCommand(const std::string& command) { RunCommand(command, {}, 0, TKind::Button, true); }

std::string TMainForm::ShownFile() { return standardWindow_ ? standardWindow_->ShownFile() : std::string(); }

void TMainForm::HelpKey() { FormKeyDown(this, Qt::Key_F1, Qt::NoModifier); }

void TMainForm::HideFields(bool hidden) {
  if (PathInput) PathInput->HideBoxes(hidden);
}

void TMainForm::HistoryStep(bool forward) { RunCommand(forward ? "forward" : "back", {}, 0, TKind::Button, true); }

QJsonObject TMainForm::InstancesForDump() const {
  QJsonArray windows;
  for (const TBusWindow& w : WindowBus().TopWindows())
    windows.append(QJsonObject{{"caption", w.caption}, {"pid", w.pid}, {"visible", w.visible}});
  QJsonObject state{{"role", RoleName(commandLine_.Role())},
                    {"shownFile", standardWindow_ ? FromCp1251(standardWindow_->ShownFile()) : QString()},
                    {"windows", windows}};
  if (standardWindow_) state["standardWindow"] = standardWindow_->StateForDump();
  if (instanceMessages_ && instanceMessages_->PrintRequest()) {
    const TPrintRequest& request = *instanceMessages_->PrintRequest();
    state["printRequest"] =
        QJsonObject{{"file", FromCp1251(request.file)}, {"width", request.width}, {"height", request.height}};
  }
  return state;
}
