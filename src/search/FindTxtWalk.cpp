// The page search: the next occurrence in the page shown, then the walk through the book.

#include "app/ui/BusyCursor.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "search/FindTxtHtml.h"
#include "search/SearchHost.h"
#include "tools/ScaleBar.h"

#include <QLineEdit>
#include <algorithm>

void TFindTxtHtml::FindNext(int number) {
  host_.ClearStatus();
  TField* field = FieldOf(number);
  if (!field || !field->edit) {
    SetIdle(true);
    return;
  }
  const QString text = NormalizedText(*field);
  if (contentsMode_) {
    FindInContents(number);
    SetIdle(true);
    return;
  }
  if (indexMode_) {
    FindInIndex(number);
    SetIdle(true);
    return;
  }

  SetIdle(false);
  if (text.isEmpty()) {
    host_.SetStatusText(ToCp1251(QString::fromUtf8(EnterWordMessage)));
    SetIdle(true);
    return;
  }
  THTMLViewer* viewer = PageViewer(*field);
  if (!viewer) {
    SetIdle(true);
    return;
  }
  if (Global.SearchStartPage.empty()) Global.SearchStartPage = host_.Pane()->CurrentViewer()->CurrentFile();
  if (headingSearch_ && !tildeTried_) {
    tildeTried_ = true;
    if (viewer->Find(QStringLiteral("~ ") + text, Global.CaseSensitive)) {
      SetIdle(true);
      return;
    }
  }
  if (viewer->Find(text, Global.CaseSensitive)) {
    SetIdle(true);
    return;
  }

  WalkBook(*field, text);

  if (fileIndex_ >= static_cast<int>(field->files.size())) {
    fileIndex_ = -1;
    Global.SearchStartPage.clear();
    // In one page the search wraps round to its top; a walk through the book starts again with
    // the next search.
    if (!allFiles_) {
      THTMLViewer* page = PageViewer(*field);
      if (page) page->SetCaretPos(0);
      if (!page || !page->Find(text, Global.CaseSensitive))
        host_.SetStatusText(ToCp1251(QString::fromUtf8(NotFoundMessage)));
    }
  }
  SetIdle(true);
}

THTMLViewer* TFindTxtHtml::PageViewer(const TField& field) const {
  THtmlFrame* pane = host_.Pane();
  TFrameViewer* frame = pane ? pane->CurrentViewer() : nullptr;
  if (!frame) return nullptr;
  if (THTMLViewer* named = frame->ViewerOfFrame(FromCp1251(field.frame))) return named;
  return frame->ActiveViewer();
}

void TFindTxtHtml::WalkBook(TField& field, const QString& text) {
  SetBusyCursor(true);
  field.files.clear();
  if (allFiles_) FindFiles(Global.ProgramFolder, {"*.htm*"}, true, field.files, false);
  const size_t from = static_cast<size_t>(fileIndex_ + 1);
  fileIndex_ = static_cast<int>(from);
  if (!field.files.empty()) {
    scanner_.BeginWalk(text, Global.CaseSensitive);
    const size_t count = field.files.size();
    const TPageScanner::TWalkEnd end = scanner_.Walk(
        field.files, from, Global.SearchStartPage, [this] { return StopRequested(); },
        [this, count](size_t index) { StepProgress(index, count); });
    // A stopped walk reads the page it did not reach first next time.
    fileIndex_ = static_cast<int>(end.index) - (end.stopped ? 1 : 0);
    if (!end.stopped && end.index < count) ShowHit(field, field.files[end.index], text);
    scanner_.EndWalk();
    ResetProgress();
  }
  SetBusyCursor(false);
}

// The page goes into the document pane, from its history when it is there, and the text's
// first occurrence is selected.
void TFindTxtHtml::ShowHit(const TField& field, const std::string& file, const QString& text) {
  THtmlFrame* pane = host_.Pane();
  TFrameViewer* frame = pane ? pane->CurrentViewer() : nullptr;
  if (!frame) return;
  frame->show();
  const auto& history = frame->History;
  const auto entry =
      std::find_if(history.begin(), history.end(), [&](const std::string& name) { return SameName(name, file); });
  try {
    if (entry != history.end())
      frame->SetHistoryIndex(static_cast<int>(entry - history.begin()));
    else
      frame->LoadFromFile(file);
  } catch (const std::exception&) {
    return;
  }
  if (THTMLViewer* viewer = PageViewer(field)) viewer->Find(text, Global.CaseSensitive);
}

void TFindTxtHtml::OpenResult(const std::string& file) {
  THtmlFrame* pane = host_.Pane();
  TFrameViewer* frame = pane ? pane->CurrentViewer() : nullptr;
  if (!frame) return;
  const std::string name = FolderPart(file).empty() ? Global.ProgramFolder + file : file;
  if (!SameName(name, frame->CurrentFile())) pane->ShowFile(name);
  const bool index = indexMode_;
  indexMode_ = false;
  FindNext(1);
  indexMode_ = index;
}

// The bar fills in step with the pages read.
void TFindTxtHtml::StepProgress(size_t index, size_t count) {
  TScaleBar* bar = host_.ProgressBar();
  if (!bar || bar->BarLength() <= 0 || count == 0) return;
  const double step = static_cast<double>(bar->BarLength()) / static_cast<double>(count);
  while (bar->FilledLength() <= static_cast<double>(index + 1) * step && bar->FilledLength() <= bar->BarLength())
    bar->StepBar();
}

void TFindTxtHtml::ResetProgress() {
  if (TScaleBar* bar = host_.ProgressBar()) bar->ResetBar();
}
