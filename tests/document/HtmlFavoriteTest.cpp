#include "document/HtmlFavorite.h"

#include "app/Settings.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The list the favourites fill, as a record of what it was told.
class TRecordedItems : public TFavoriteItems {
 public:
  std::vector<TFavorite> items;
  int setItemCalls = 0;
  void AddItem(const std::string& caption, const std::string& command) override { items.push_back({caption, command}); }
  void SetItem(const std::string& caption, const std::string& command, int index) override {
    ++setItemCalls;
    items.at(index) = {caption, command};
  }
};

class HtmlFavoriteTest : public ::testing::Test {
 protected:
  HtmlFavoriteTest() {
    Global.SettingsFolder = dir_.Path();
    Global.BookTitle = "Favourites";
  }
  // Every "Favorite" value stored, by position.
  std::map<int, std::string> Stored() const {
    std::map<int, std::string> values;
    const TBookSettings settings;
    for (int i = 0; i <= kMaxFavorites; ++i)
      if (auto value = settings.ReadString(Settings::Name(Settings::Favorite, i))) values[i] = *value;
    return values;
  }
  void Store(int position, const std::string& value) const {
    TBookSettings().WriteString(Settings::Name(Settings::Favorite, position), value);
  }
  static std::string Cyr(const char* utf8) { return ToCp1251(QString::fromUtf8(utf8)); }

  TSavedGlobals saved_;
  TempDir dir_;
};

TEST(FavoriteCodec, StoredFormsReadAsTheyWereWritten) {
  struct Case {
    std::string stored, caption, command;
  } cases[] = {
      {"{Page}htmlpos=d:\\man\\a.htm=1200", "Page", "htmlpos=d:\\man\\a.htm=1200"},
      {"htmlpos=d:\\a.htm=0", "", "htmlpos=d:\\a.htm=0"},    // no braces: all command
      {"{}htmlpos=d:\\a.htm=5", "", "htmlpos=d:\\a.htm=5"},  // an untitled page
      {"{a{b}html=x}y", "a{b", "html=x}y"},                  // the first "}" ends the caption
      {"b}c{d", "", "c{d"},                                  // no "{" before the "}"
      {"}", "", ""},
  };
  for (const Case& c : cases) {
    const TFavorite favorite = DecodeFavorite(c.stored);
    EXPECT_EQ(favorite.caption, c.caption) << c.stored;
    EXPECT_EQ(favorite.command, c.command) << c.stored;
  }
  EXPECT_EQ(FavoriteCommand("d:\\man\\a.htm", 1200), "htmlpos=d:\\man\\a.htm=1200");
  // A "}" in a title would end the caption early: it is stored as ")" and the command stays whole.
  const TFavorite braced{"f(x} = {y}", "htmlpos=d:\\a.htm=7"};
  EXPECT_EQ(EncodeFavorite(braced), "{f(x) = {y)}htmlpos=d:\\a.htm=7");
  EXPECT_EQ(DecodeFavorite(EncodeFavorite(braced)), (TFavorite{"f(x) = {y)", "htmlpos=d:\\a.htm=7"}));
}

// Values at positions 0, 1 and 3 load in that order; the next store writes them at 0 to 2
// and drops the value at 3.
TEST_F(HtmlFavoriteTest, StoredGapsCloseUp) {
  Store(0, "{A}htmlpos=d:\\a.htm=1");
  Store(1, "{B}htmlpos=d:\\b.htm=2");
  Store(3, "{D}htmlpos=d:\\d.htm=4");
  TRecordedItems items;
  {
    THtmlFavorite favorites(items);
    ASSERT_EQ(favorites.Favorites().size(), 3u);
    EXPECT_EQ(favorites.Favorites()[2], (TFavorite{"D", "htmlpos=d:\\d.htm=4"}));
    EXPECT_EQ(items.items, favorites.Favorites());
  }
  const auto stored = Stored();
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored.at(0), "{A}htmlpos=d:\\a.htm=1");
  EXPECT_EQ(stored.at(2), "{D}htmlpos=d:\\d.htm=4");
}

// A page is stored the moment it is added and forgotten the moment it is removed: nothing
// waits for the list to go away.
TEST_F(HtmlFavoriteTest, ChangesAreStoredAtOnce) {
  TRecordedItems items;
  THtmlFavorite favorites(items);
  favorites.AddCurrent(Cyr("Двигатель"), "d:\\man\\glava1.htm", 1200);
  favorites.AddCurrent(Cyr("Тормоза"), "d:\\man\\glava6.htm", 0);
  EXPECT_EQ(Stored(), (std::map<int, std::string>{{0, "{" + Cyr("Двигатель") + "}htmlpos=d:\\man\\glava1.htm=1200"},
                                                  {1, "{" + Cyr("Тормоза") + "}htmlpos=d:\\man\\glava6.htm=0"}}));
  ASSERT_EQ(items.items.size(), 2u);

  favorites.RemoveAt(0);
  favorites.RemoveAt(5);  // no such favourite
  EXPECT_EQ(Stored(), (std::map<int, std::string>{{0, "{" + Cyr("Тормоза") + "}htmlpos=d:\\man\\glava6.htm=0"}}));
  favorites.RemoveAt(0);
  EXPECT_TRUE(Stored().empty());
}

TEST_F(HtmlFavoriteTest, ACaptionCountsOnceWhateverItsLetterCase) {
  TRecordedItems items;
  THtmlFavorite favorites(items);
  favorites.AddCurrent(Cyr("Система Зажигания"), "d:\\a.htm", 10);
  favorites.AddCurrent(Cyr("система зажигания"), "d:\\b.htm", 20);
  favorites.AddCurrent("", "d:\\untitled1.htm", 0);
  favorites.AddCurrent("", "d:\\untitled2.htm", 0);  // its empty caption equals the first's
  ASSERT_EQ(favorites.Favorites().size(), 2u);
  EXPECT_EQ(favorites.Favorites()[0].command, "htmlpos=d:\\a.htm=10");
  EXPECT_EQ(favorites.Favorites()[1].command, "htmlpos=d:\\untitled1.htm=0");
  EXPECT_EQ(items.items.size(), 2u);
}

TEST_F(HtmlFavoriteTest, TheEighteenthDropsTheOldest) {
  TRecordedItems items;
  THtmlFavorite favorites(items);
  for (int i = 0; i < kMaxFavorites + 1; ++i)
    favorites.AddCurrent("Page " + std::to_string(i), "d:\\p" + std::to_string(i) + ".htm", i);
  ASSERT_EQ(favorites.Favorites().size(), 17u);
  EXPECT_EQ(favorites.Favorites().front().caption, "Page 1");
  EXPECT_EQ(favorites.Favorites().back().caption, "Page 17");
  // The list keeps its 17 items and shows the moved favourites.
  EXPECT_EQ(items.items, favorites.Favorites());
  EXPECT_GT(items.setItemCalls, 0);
  const auto stored = Stored();
  ASSERT_EQ(stored.size(), 17u);
  EXPECT_EQ(stored.at(0), "{Page 1}htmlpos=d:\\p1.htm=1");
  EXPECT_EQ(stored.at(16), "{Page 17}htmlpos=d:\\p17.htm=17");
}

TEST_F(HtmlFavoriteTest, ATitleWithABraceKeepsItsCommand) {
  TRecordedItems items;
  {
    THtmlFavorite favorites(items);
    favorites.AddCurrent("Table {1}: sizes", "d:\\t.htm", 300);
  }
  TRecordedItems reloaded;
  THtmlFavorite favorites(reloaded);
  ASSERT_EQ(favorites.Favorites().size(), 1u);
  EXPECT_EQ(favorites.Favorites()[0], (TFavorite{"Table {1): sizes", "htmlpos=d:\\t.htm=300"}));
  EXPECT_EQ(reloaded.items, favorites.Favorites());
}

}  // namespace
