#pragma once
// One popup list: a borderless window above the main window, painted from a background
// picture, with a column of items. It never takes the focus. Clicking an item closes the
// list and runs the item's command; in delete mode the click removes the item instead and
// the list stays open.

#include "app/SkinModel.h"
#include "document/ItemsBtn.h"
#include "platform/ui/SkinScale.h"

#include <QImage>
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TControlPopupWindow;
class THtmlFavorite;
class TPopupHost;

// The background of a list whose height changes: the bottom band (`margin` high) moves to the
// new bottom; rows gained repeat the old middle row, rows lost are cut off above the band.
QImage AdaptBackground(const QImage& old, int height, int margin);

class TPopupWindow : public QWidget {
  Q_OBJECT
 public:
  // A list of the screen `screen` shows; closed, without items.
  TPopupWindow(TControlPopupWindow& owner, TPopupHost& host, const RPopupData& declaration, int screen);
  ~TPopupWindow() override;

  const RPopupData& Declaration() const { return declaration_; }
  int Type() const { return declaration_.type; }
  bool Shaped() const { return declaration_.vertex.size() >= 2; }
  int Margin() const { return declaration_.ybtn == -1 ? 5 : declaration_.ybtn; }
  const QImage& Background() const { return background_; }
  const std::vector<std::unique_ptr<TItemsBtn>>& Items() const { return items_; }
  bool HasShownItem() const;
  bool IsOpen() const { return isVisible(); }
  // The slide that brings the list in is still running.
  bool Sliding() const { return slide_ && slide_->state() == QAbstractAnimation::Running; }

  bool DeleteMode = false;

  // The favourites of a "favorite" list; created once, after the list.
  void CreateFavorites();
  THtmlFavorite* Favorites() const { return favorites_.get(); }

  void SetCount(int count);
  void Add(const QString& caption, const std::string& command);
  void SetItem(const QString& caption, const std::string& command, int index);
  void SetItemShown(bool flag, int index);

  void LayoutItems();
  // `at` in screen coordinates.
  void ShowAt(QPoint at);
  void ClosePopup();
  void DeleteItem(int index);
  void ItemClicked(const std::string& command, int index);

  // The mouse, in list coordinates.
  void ListMouseMove(QPoint at);
  void ListMouseDown(QPoint at);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  class TFavoriteAdapter;
  std::unique_ptr<TItemsBtn> NewItem(int position);

  TControlPopupWindow& owner_;
  TPopupHost& host_;
  RPopupData declaration_;
  int screen_;
  QImage background_;
  // The pictures as the screen shows them (see SkinScale).
  TScreenPicture screenBackground_;
  TScreenPictures screenPictures_;
  std::vector<std::unique_ptr<TItemsBtn>> items_;
  std::optional<std::chrono::steady_clock::time_point> openedAt_;  // the end of the last opening
  QPointer<QVariantAnimation> slide_;
  std::unique_ptr<TFavoriteAdapter> favoriteItems_;
  std::unique_ptr<THtmlFavorite> favorites_;
};
