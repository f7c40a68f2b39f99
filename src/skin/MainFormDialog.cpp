// The skinned dialog: its creation, and what it asks of the main window.

#include "app/Log.h"
#include "media/ButtonSound.h"
#include "platform/Globals.h"
#include "search/FindTxtHtml.h"
#include "skin/MainForm.h"
#include "tools/ScaleBar.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"
#include "windows/CoolDialog.h"

void TMainForm::CreateDialog() {
  Dialog = TCoolDialog::Create(*this, this);
  if (!Dialog) return;
  if (ScaleBar) ScaleBar->SetDialog(&Dialog->Background(), Dialog.get());
  if (TextMsg) TextMsg->SetDialog(Dialog.get());
}

void TMainForm::ShowDialogMessage(const std::string& text) {
  if (Dialog) Dialog->ShowMessage(text);
}

QRect TMainForm::MainWindowRect() { return frameGeometry(); }

void TMainForm::DialogKeyDown(int key, Qt::KeyboardModifiers modifiers) { FormKeyDown(this, key, modifiers); }

void TMainForm::PlayButtonSound(const std::string& sound) { ::PlayButtonSound(sound); }

void TMainForm::PaintDialogTexts(QPainter& painter) {
  if (TextMsg) TextMsg->PaintDialogTexts(painter);
}

const TSearchResults& TMainForm::SearchResults() {
  static const TSearchResults none;
  return FindTxt ? FindTxt->Results() : none;
}

void TMainForm::StopSearch() {
  if (FindTxt) FindTxt->SetIdle(true);
}

void TMainForm::SetIndexMode() {
  if (FindTxt) FindTxt->SetIndexMode();
}

void TMainForm::SetContentsMode() {
  if (FindTxt) FindTxt->SetContentsMode();
}

void TMainForm::SetAllFiles(bool flag) {
  if (FindTxt) FindTxt->SetAllFiles(flag);
}

void TMainForm::FindNext(int number) {
  if (FindTxt) FindTxt->FindNext(number);
}

void TMainForm::PlaceSearchFields(QWidget* dialog, bool searchPage) {
  if (FindTxt) FindTxt->PlaceFields(dialog, searchPage);
}

void TMainForm::HideSearchFields(bool hide) {
  if (FindTxt) FindTxt->HideFields(hide);
}

void TMainForm::PrepareProgressBar() {
  if (ScaleBar) ScaleBar->PrepareBar();
}

void TMainForm::OpenResult(const std::string& file) {
  if (FindTxt) FindTxt->OpenResult(file);
}

void TMainForm::DialogClosed() {
  if (FindTxt) FindTxt->SetIdle(true);
  if (StatusLine) StatusLine->ClearStatus();
}
