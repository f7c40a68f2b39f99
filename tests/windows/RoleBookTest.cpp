#include "windows/RoleBook.h"

#include "platform/Globals.h"
#include "support/SavedGlobals.h"

#include <gtest/gtest.h>

TEST(RoleBook, ReadsTitleIconAndHelpFileOfTheMainDescription) {
  const TSavedGlobals saved;
  Global.ProgramFolder = "d:\\book\\";
  Global.DiscRoot = "d:\\";
  const TLines lines = {
      "codec=", "title=manual; icon=car.ico", "helpwin", "vw=300;", "vh=200; fn=help\\book.htm", "button 1",
  };
  TRoleBook book = ReadRoleBook(lines, {});
  EXPECT_EQ(book.title, "manual");
  EXPECT_EQ(book.icon, "car.ico");
  EXPECT_EQ(book.helpFile, "d:\\book\\help\\book.htm");

  // "Title.txt" has the last word on the title: its last line that is not empty.
  book = ReadRoleBook(lines, {"Первая", "Руководство", ""});
  EXPECT_EQ(book.title, "Руководство");
}

TEST(RoleBook, AHelpFileWithoutItsKeysIsNone) {
  const TSavedGlobals saved;
  Global.ProgramFolder = "d:\\";
  EXPECT_EQ(ReadRoleBook({"helpwin vw=1; fn=x.hlp"}, {}).helpFile, "");  // vh never comes
  EXPECT_EQ(ReadRoleBook({"helpwin vw=1; vh=2", "fn"}, {}).helpFile, "");
  const TRoleBook none = ReadRoleBook({}, {});
  EXPECT_TRUE(none.title.empty() && none.icon.empty() && none.helpFile.empty());
}
