#include "skin/ArchiveBrowser.h"

#include "app/ui/BusyCursor.h"
#include "archive/UnRar.h"
#include "document/HtmlFrame.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"
#include "platform/ui/Dialogs.h"
#include "skin/MainForm.h"
#include "tools/StatusLine.h"
#include "windows/CoolDialog.h"

#include <QJsonArray>

TArchiveBrowser::TArchiveBrowser(TMainForm& form) : form_(form) {}

TArchiveBrowser::~TArchiveBrowser() = default;

void TArchiveBrowser::OpenArchive(const std::string& fileName, const std::string& sourceDocument) {
  if (!unrar_) unrar_ = std::make_unique<TUnRar>(*this);
  unrar_->ShowListing(fileName, sourceDocument);
}

void TArchiveBrowser::ExtractAll(bool toInstallFolder, bool keepPaths) {
  if (unrar_) unrar_->ExtractAll(toInstallFolder, keepPaths);
}

void TArchiveBrowser::DocumentShown(const std::string& fileName) {
  if (unrar_) unrar_->DocumentShown(fileName);
}

void TArchiveBrowser::Unarc() {
  if (unrar_ && IsArchiveMode())
    unrar_->ExtractAll(true, false);
  else
    ShowArchiveMessage(ToCp1251(u"Выберите файл для распаковки."));
}

// Every message of the browser, and of "unarc", passes here. The skinned dialog's message
// page takes them when the book has a dialog; otherwise they go to a message box (answered at
// once in unattended runs, where the dump lists them).
void TArchiveBrowser::ShowArchiveMessage(const std::string& text) {
  if (form_.Dialog) return form_.ShowDialogMessage(text);
  Dialogs::Message(&form_, QMessageBox::Information, FromCp1251(Global.BookTitle), FromCp1251(text));
}

bool TArchiveBrowser::IsArchiveMode() const { return form_.HtmlFrame && form_.HtmlFrame->IsArchiveMode(); }

void TArchiveBrowser::SetArchiveMode(bool on) {
  if (form_.HtmlFrame) form_.HtmlFrame->SetArchiveMode(on);
}

void TArchiveBrowser::ShowFile(const std::string& file) {
  if (form_.HtmlFrame) form_.HtmlFrame->ShowFile(file);
}

std::optional<std::string> TArchiveBrowser::InstallFolder() const { return form_.InstallFolder(); }

void TArchiveBrowser::SetBusy(bool on) { SetBusyCursor(on); }

void TArchiveBrowser::ShowProgress(int percent) {
  if (form_.StatusLine && unrar_)
    form_.StatusLine->ShowProgress(ToCp1251(u"Распаковка ") + FileNamePart(unrar_->ArchiveName()), percent);
}

void TArchiveBrowser::EndProgress() {
  if (form_.StatusLine) form_.StatusLine->EndProgress();
}

QJsonObject TArchiveBrowser::StateForDump() const {
  QJsonObject state =
      unrar_ ? unrar_->StateForDump()
             : QJsonObject{
                   {"name", ""}, {"listingFolder", ""}, {"mainPages", QJsonArray()}, {"sourceDocuments", QJsonArray()}};
  state["archiveMode"] = IsArchiveMode();
  return state;
}
