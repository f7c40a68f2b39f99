// The main window among the program's other processes: the picture window role, standard
// window mode, messages from other instances, and what scripted runs see of them.

#include "app/Log.h"
#include "document/HtmlFrame.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/WindowBus.h"
#include "skin/MainForm.h"
#include "tools/PathInputBox.h"
#include "windows/InstanceMessages.h"
#include "windows/RoleBook.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>

namespace {

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
