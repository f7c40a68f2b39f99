#include "document/ControlPopupWindow.h"

#include "app/Log.h"
#include "document/HistoryLists.h"
#include "document/HtmlFavorite.h"
#include "document/HtmlFrame.h"
#include "document/PopupCommands.h"
#include "document/PopupHost.h"
#include "document/PopupWindow.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"

#include <QJsonObject>
#include <QTimer>
#include <algorithm>

TControlPopupWindow::TControlPopupWindow(TPopupHost& host, std::vector<TPopupData> declarations, int screen)
    : host_(host), declarations_(std::move(declarations)) {
  Rebuild(screen);
}

TControlPopupWindow::~TControlPopupWindow() { DestroyLists(); }

void TControlPopupWindow::DestroyLists() {
  for (TPopupWindow* list : lists_) delete list;
  lists_.clear();
}

void TControlPopupWindow::Rebuild(int screen) {
  DestroyLists();
  if (screen < 0 || screen >= static_cast<int>(declarations_.size())) return;
  for (const RPopupData& d : declarations_[screen]) {
    auto* list = new TPopupWindow(*this, host_, d, screen);
    lists_.push_back(list);
    if (d.type == ptHistoryBack || d.type == ptHistoryForward) {
      list->SetCount(kHistoryPopupItems);
    } else if (d.type == ptFavorite) {
      list->CreateFavorites();
    } else {
      for (size_t j = 0; j < d.go.size(); ++j)
        list->Add(j < d.caption.size() ? FromCp1251(d.caption[j]) : QString(), d.go[j]);
    }
  }
}

TPopupWindow* TControlPopupWindow::List(int type) const {
  for (TPopupWindow* list : lists_)
    if (list->Type() == type) return list;
  return nullptr;
}

THtmlFavorite* TControlPopupWindow::Favorites() const {
  const TPopupWindow* list = List(ptFavorite);
  return list ? list->Favorites() : nullptr;
}

void TControlPopupWindow::Popup(int type, QPoint at) {
  const bool deleteMode = type == ptFavoriteDelete;
  if (deleteMode) type = ptFavorite;
  TPopupWindow* list = List(type);
  if (!list || !list->HasShownItem()) return;
  if (type == ptHistoryBack) at.rx() -= list->width();
  if (deleteMode) list->DeleteMode = true;
  list->ShowAt(at);
}

void TControlPopupWindow::CloseAll() {
  for (TPopupWindow* list : lists_)
    if (list->IsOpen()) list->ClosePopup();
}

void TControlPopupWindow::SetItem(const QString& caption, const std::string& command, int index, int type) {
  if (TPopupWindow* list = List(type)) list->SetItem(caption, command, index);
}

void TControlPopupWindow::SetItemShown(bool flag, int type, int index) {
  if (TPopupWindow* list = List(type)) list->SetItemShown(flag, index);
}

void TControlPopupWindow::AddToFavorite() {
  THtmlFrame* pane = host_.Pane();
  THtmlFavorite* favorites = Favorites();
  const TFrameViewer* viewer = pane ? pane->CurrentViewer() : nullptr;
  if (!favorites || !viewer) return;
  const int index = viewer->HistoryIndex();
  if (index < 0 || index >= static_cast<int>(viewer->TitleHistory.size())) return;
  const THTMLViewer* active = viewer->ActiveViewer();
  favorites->AddCurrent(ToCp1251(viewer->TitleHistory[index]), viewer->CurrentFile(),
                        active ? active->VScrollBarPosition() : 0);
}

// The list is closed by now; the command may switch screens and so rebuild the lists.
void TControlPopupWindow::RunItemCommandLater(const std::string& command) {
  QTimer::singleShot(0, this, [this, command] {
    try {
      RunItemCommand(command);
    } catch (const std::exception& e) {
      qCWarning(lcErrors) << e.what();
    }
  });
}

void TControlPopupWindow::RunItemCommand(const std::string& command) {
  const TPopupCommand c = ClassifyPopupCommand(command);
  THtmlFrame* pane = host_.Pane();
  switch (c.action) {
    case TPopupAction::History:
      if (pane) pane->GoToHistory(c.history);
      break;
    case TPopupAction::Html:
      if (pane) pane->ShowFile(c.file);
      break;
    case TPopupAction::HtmlPos:
      if (pane) {
        pane->ShowFile(OnCdWhenMissing(c.file));
        TFrameViewer* viewer = pane->CurrentViewer();
        THTMLViewer* active = viewer ? viewer->ActiveViewer() : nullptr;
        if (active && c.position >= 0) active->SetVScrollBarPosition(c.position);
      }
      break;
    case TPopupAction::CopyClipboard:
      if (pane) pane->CopySelection();
      break;
    case TPopupAction::AddToFavorite: AddToFavorite(); break;
    case TPopupAction::SelectAll:
      if (pane) pane->SelectAllText();
      break;
    case TPopupAction::Print:
      if (pane) pane->PrintDocument();
      break;
    case TPopupAction::DefFont:
      if (pane) pane->ChooseFont();
      break;
    case TPopupAction::Dispatch: host_.RunPopupCommand(command); break;
  }
}

QJsonArray TControlPopupWindow::StateForDump() const {
  QJsonArray lists;
  std::vector<int> types;
  for (const TPopupWindow* list : lists_) {
    if (std::find(types.begin(), types.end(), list->Type()) != types.end()) continue;
    types.push_back(list->Type());
    QJsonArray items;
    for (const auto& item : list->Items())
      items.append(
          QJsonObject{{"caption", item->Caption()}, {"command", FromCp1251(item->Command)}, {"visible", item->Shown}});
    lists.append(QJsonObject{
        {"type", list->Type()}, {"open", list->IsOpen()}, {"deleteMode", list->DeleteMode}, {"items", items}});
  }
  return lists;
}

QJsonArray TControlPopupWindow::FavoritesForDump() const {
  QJsonArray favorites;
  if (const THtmlFavorite* f = Favorites())
    for (const TFavorite& favorite : f->Favorites())
      favorites.append(
          QJsonObject{{"caption", FromCp1251(favorite.caption)}, {"command", FromCp1251(favorite.command)}});
  return favorites;
}
