#pragma once
// The reader's bookmarks: pages with the place they were scrolled to, oldest first, at most
// 17. They are kept under the book's key as "Favorite0" .. "Favorite16", each written as
// "{" caption "}" command, and stored again after every change, so that a program that ends
// without warning loses none. The favourites list window shows one item per favourite and
// is told of every change.

#include <string>
#include <vector>

struct TFavorite {
  std::string caption;  // the page's title when it was added
  std::string command;  // "htmlpos=" file "=" scroll position in pixels
  bool operator==(const TFavorite&) const = default;
};

constexpr int kMaxFavorites = 17;

// What the favourites need of the list window that shows them.
class TFavoriteItems {
 public:
  virtual ~TFavoriteItems() = default;
  virtual void AddItem(const std::string& caption, const std::string& command) = 0;
  virtual void SetItem(const std::string& caption, const std::string& command, int index) = 0;
};

// A caption as the stored form can carry it: a "}" would end it early for every reader of
// the value, so it becomes ")".
std::string FavoriteCaption(const std::string& title);
std::string EncodeFavorite(const TFavorite& favorite);
// The caption lies between the first "{" and the first "}" (empty when no "{" comes before
// it), the command after that "}"; a value without "}" is all command.
TFavorite DecodeFavorite(const std::string& stored);
std::string FavoriteCommand(const std::string& file, int scrollPosition);

class THtmlFavorite {
 public:
  // Reads the stored favourites, skipping empty positions, and adds each to `items`.
  explicit THtmlFavorite(TFavoriteItems& items);
  // Stores them once more.
  ~THtmlFavorite();
  THtmlFavorite(const THtmlFavorite&) = delete;
  THtmlFavorite& operator=(const THtmlFavorite&) = delete;

  // The page shown, titled `title`: nothing when a favourite has that caption in any letter
  // case; with 17 favourites the oldest makes room.
  void AddCurrent(const std::string& title, const std::string& file, int scrollPosition);
  // The list item itself is removed by the list.
  void RemoveAt(int index);

  const std::vector<TFavorite>& Favorites() const { return favorites_; }

 private:
  void Store() const;

  TFavoriteItems& items_;
  std::vector<TFavorite> favorites_;
};
