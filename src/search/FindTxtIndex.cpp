// The index search, with its scan of pages when the index knows nothing, and the contents
// search.

#include "app/ComprStream.h"
#include "app/Errors.h"
#include "app/Log.h"
#include "app/ResourcePack.h"
#include "app/TextValues.h"
#include "app/ui/BusyCursor.h"
#include "document/ContentsTrees.h"
#include "document/TreeViews.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/Dialogs.h"
#include "search/FindTxtHtml.h"
#include "search/SearchHost.h"

#include <QApplication>
#include <QLineEdit>

namespace {

const std::string kFileSeparator = "#:#";

// The lines of "files.idx" for the pages a scan found; nothing when it cannot be read.
std::vector<std::string> FilesIndexLines() {
  std::vector<std::string> lines;
  try {
    TComprStream stream(Global.ProgramFolder + TMakeFind::FilesFile);
    std::string line;
    for (bool more = true; more;) {
      more = ReadIndexLine(stream, line);
      lines.push_back(line);
    }
  } catch (const std::exception&) {
    lines.clear();
  }
  return lines;
}

}  // namespace

void TFindTxtHtml::FindInIndex(int number) {
  TField* field = FieldOf(number);
  QString text;
  if (!FieldText(field, text)) return;
  results_.Clear();
  TMakeFind index;
  index.SetFolder(Global.ProgramFolder);
  index.OnMessage = [this](const std::string& message, bool warning) {
    Dialogs::Message(host_.Window(), warning ? QMessageBox::Warning : QMessageBox::Information,
                     QApplication::applicationDisplayName(), QString::fromStdString(message));
  };
  bool found = false;
  try {
    found = index.Find(ToCp1251(text), results_, false);
  } catch (const EConvertError& e) {
    // A damaged index knows nothing: the pages are scanned instead.
    qCWarning(lcErrors) << "index.idx:" << e.what();
    results_.Clear();
  }
  if (found)
    for (std::string& file : results_.Files) file = Global.ProgramFolder + file;
  else
    ScanPages(*field, text);
  ResetProgress();
  host_.ShowResults(results_);
  if (results_.Empty()) host_.SetStatusText(ToCp1251(QString::fromUtf8(NotFoundMessage)));
}

bool TFindTxtHtml::FieldText(const TField* field, QString& text) {
  if (!field || !field->edit) return false;
  text = field->edit->text();
  if (text.isEmpty()) host_.SetStatusText(ToCp1251(QString::fromUtf8(EnterWordMessage)));
  return !text.isEmpty();
}

// Pages that hold the text are listed when "files.idx" names them by their bare file name.
void TFindTxtHtml::ScanPages(TField& field, const QString& text) {
  SetIdle(false);
  fileIndex_ = -1;
  SetBusyCursor(true);
  if (field.files.empty()) field.files = ScanList(field);
  scanner_.BeginWalk(text, Global.CaseSensitive);
  const size_t count = field.files.size();
  std::vector<std::string> named;
  bool namesRead = false;
  for (size_t from = 0;;) {
    const TPageScanner::TWalkEnd end = scanner_.Walk(
        field.files, from, {}, [this] { return StopRequested(); },
        [this, count](size_t index) { StepProgress(index, count); });
    fileIndex_ = static_cast<int>(end.index);
    if (end.stopped || end.index >= count) break;
    if (!namesRead) {
      named = FilesIndexLines();
      namesRead = true;
    }
    const std::string& file = field.files[end.index];
    for (const std::string& line : named) {
      const size_t separator = line.find(kFileSeparator);
      if (separator == std::string::npos || !SameName(TrimBlanks(line.substr(0, separator)), FileNamePart(file)))
        continue;
      results_.Files.push_back(file);
      results_.Titles.emplace_back(TrimBlanks(std::string_view(line).substr(separator + kFileSeparator.size())));
      break;
    }
    from = end.index + 1;
  }
  scanner_.EndWalk();
  SetBusyCursor(false);
}

// The pack's pages outside "man\" and "man_\", else the pages on disk; excluded paths count
// unless the search covers all files.
std::vector<std::string> TFindTxtHtml::ScanList(const TField& field) const {
  std::vector<std::string> list;
  for (const std::string& entry : PackListFiles()) {
    if (NameLower(FileExtension(entry)).find(".htm") == std::string::npos) continue;
    const std::string folder = FolderPart(entry);
    if (SameName(folder, "man\\") || SameName(folder, "man_\\")) continue;
    list.push_back(Global.PackRoot + NameLower(entry));
  }
  if (list.empty()) FindFiles(Global.ProgramFolder, {"*.htm*"}, true, list, false);
  if (allFiles_) return list;
  std::vector<std::string> excluded;
  for (const std::string& part : field.nofiles)
    if (!part.empty()) excluded.push_back(NameLower(part));
  std::erase_if(list, [&](const std::string& file) {
    const std::string lower = NameLower(file);
    return std::any_of(excluded.begin(), excluded.end(),
                       [&](const std::string& part) { return lower.find(part) != std::string::npos; });
  });
  return list;
}

void TFindTxtHtml::FindInContents(int number) {
  QString text;
  if (!FieldText(FieldOf(number), text)) return;
  TContentsTrees* trees = host_.ContentsTrees();
  TTreeViews* tree = trees ? trees->Visible() : nullptr;
  if (!tree || !tree->FindByCaption(ToCp1251(text))) host_.SetStatusText(ToCp1251(QString::fromUtf8(NotFoundMessage)));
}
