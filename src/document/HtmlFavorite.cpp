#include "document/HtmlFavorite.h"

#include "app/Settings.h"
#include "platform/WinNames.h"

#include <algorithm>

std::string FavoriteCaption(const std::string& title) {
  std::string caption = title;
  std::replace(caption.begin(), caption.end(), '}', ')');
  return caption;
}

std::string EncodeFavorite(const TFavorite& favorite) {
  return "{" + FavoriteCaption(favorite.caption) + "}" + favorite.command;
}

TFavorite DecodeFavorite(const std::string& stored) {
  const size_t close = stored.find('}');
  if (close == std::string::npos) return {{}, stored};
  const size_t open = stored.find('{');
  return {open < close ? stored.substr(open + 1, close - open - 1) : std::string(), stored.substr(close + 1)};
}

std::string FavoriteCommand(const std::string& file, int scrollPosition) {
  return "htmlpos=" + file + "=" + std::to_string(scrollPosition);
}

THtmlFavorite::THtmlFavorite(TFavoriteItems& items) : items_(items) {
  const TBookSettings settings;
  for (int i = 0; i < kMaxFavorites; ++i) {
    const std::string stored = settings.ReadString(Settings::Name(Settings::Favorite, i)).value_or(std::string());
    if (!stored.empty()) favorites_.push_back(DecodeFavorite(stored));
  }
  for (const TFavorite& favorite : favorites_) items_.AddItem(favorite.caption, favorite.command);
}

THtmlFavorite::~THtmlFavorite() { Store(); }

void THtmlFavorite::AddCurrent(const std::string& title, const std::string& file, int scrollPosition) {
  const TFavorite added{FavoriteCaption(title), FavoriteCommand(file, scrollPosition)};
  if (std::any_of(favorites_.begin(), favorites_.end(),
                  [&](const TFavorite& f) { return SameName(f.caption, added.caption); }))
    return;
  if (static_cast<int>(favorites_.size()) >= kMaxFavorites) {
    favorites_.erase(favorites_.begin());
    favorites_.push_back(added);
    for (int i = 0; i < kMaxFavorites; ++i) items_.SetItem(favorites_[i].caption, favorites_[i].command, i);
  } else {
    favorites_.push_back(added);
    items_.AddItem(added.caption, added.command);
  }
  Store();
}

void THtmlFavorite::RemoveAt(int index) {
  if (index < 0 || index >= static_cast<int>(favorites_.size())) return;
  favorites_.erase(favorites_.begin() + index);
  Store();
}

// Every position in one step: positions past the last favourite lose their values.
void THtmlFavorite::Store() const {
  TRegistry::TStringChanges changes;
  for (int i = 0; i < kMaxFavorites; ++i) {
    const std::string name = Settings::Name(Settings::Favorite, i);
    if (i < static_cast<int>(favorites_.size()))
      changes.emplace_back(name, EncodeFavorite(favorites_[i]));
    else
      changes.emplace_back(name, std::nullopt);
  }
  TBookSettings settings;
  settings.WriteStrings(changes);
}
