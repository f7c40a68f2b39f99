#pragma once
// The popup lists of the screen shown, built from the window description and addressed by
// type: "historyback" (-1), "historyforward" (-2), "favorite" (-3), "contexthtml" (-5) or a
// number of the book's own; opening type -4 opens the favourites in delete mode. Every
// operation on a type the screen does not have, or on an item past the end of a list, does
// nothing.

#include "app/SkinModel.h"

#include <QJsonArray>
#include <QObject>
#include <QPoint>
#include <QString>
#include <string>
#include <vector>

class THtmlFavorite;
class TPopupHost;
class TPopupWindow;

class TControlPopupWindow : public QObject {
  Q_OBJECT
 public:
  // `declarations` per screen (a screen past the end has none); `screen` is the one shown.
  TControlPopupWindow(TPopupHost& host, std::vector<TPopupData> declarations, int screen);
  ~TControlPopupWindow() override;
  TControlPopupWindow(const TControlPopupWindow&) = delete;
  TControlPopupWindow& operator=(const TControlPopupWindow&) = delete;

  // The lists of `screen`, the one shown now: the old ones go, with their favourites.
  void Rebuild(int screen);
  // `at` in screen coordinates: the back list opens to its left.
  void Popup(int type, QPoint at);
  void CloseAll();
  void SetItem(const QString& caption, const std::string& command, int index, int type);
  void SetItemShown(bool flag, int type, int index);

  // The favourites add the page shown, with its scroll position; nothing when the screen has
  // no favourites list or no page is shown.
  void AddToFavorite();

  // The first list of that type; nullptr when the screen has none.
  TPopupWindow* List(int type) const;
  const std::vector<TPopupWindow*>& Lists() const { return lists_; }
  // Those of the screen's favourites list; nullptr when it has none.
  THtmlFavorite* Favorites() const;

  // A clicked item's command runs once the events the click caused have been handled.
  void RunItemCommandLater(const std::string& command);

  // One entry per type of the screen shown, and the favourites in list order.
  QJsonArray StateForDump() const;
  QJsonArray FavoritesForDump() const;

 private:
  void DestroyLists();
  void RunItemCommand(const std::string& command);

  TPopupHost& host_;
  std::vector<TPopupData> declarations_;
  std::vector<TPopupWindow*> lists_;
};
