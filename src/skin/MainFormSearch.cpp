// What the text search asks of the main window.

#include "app/DescriptionSyntax.h"
#include "search/FindTxtHtml.h"
#include "skin/MainForm.h"
#include "tools/StatusLine.h"
#include "windows/CoolDialog.h"

TContentsTrees* TMainForm::ContentsTrees() { return Trees.get(); }

TScaleBar* TMainForm::ProgressBar() { return ScaleBar.get(); }

void TMainForm::ClearStatus() {
  if (StatusLine) StatusLine->ClearStatus();
}

void TMainForm::SetSearchButtonHint(const QString& hint) {
  if (Dialog) Dialog->SetSearchButtonHint(hint);
}

void TMainForm::ShowResults(const TSearchResults& results) {
  if (Dialog) Dialog->ShowResults(results);
}

void TMainForm::RunDialogCommand(const std::string& command, const std::string& sound) {
  if (Dialog)
    Dialog->RunDialogCommand(command, sound);
  else if (FindTxt)
    FindTxt->FindNext(ParseIntAt(command, 9));
}
