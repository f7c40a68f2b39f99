#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, OwnOptionsComeOffBeforeTheRoleIsChosen) {
  const struct {
    QStringList args;
    TRole role;
    QStringList left;
  } cases[] = {
      {{}, TRole::Main, {}},
      {{"--book", "/b", "--verbose"}, TRole::Main, {}},
      {{"/t"}, TRole::Thesaurus, {"/t"}},
      {{"--disc", "/d", "c:\\pics/tx.htm"}, TRole::Thesaurus, {"c:\\pics/tx.htm"}},  // "/t" inside
      {{"d:\\run\\a.bmp", "/h"}, TRole::Picture, {"d:\\run\\a.bmp", "/h"}},
      {{"--screenshot", "s.png", "x"}, TRole::Picture, {"x"}},
  };
  for (const auto& c : cases) {
    const TCommandLine cl = ParseCommandLine(c.args);
    EXPECT_TRUE(cl.error.isEmpty()) << c.args.join(' ').toStdString();
    EXPECT_EQ(cl.Role(), c.role) << c.args.join(' ').toStdString();
    EXPECT_EQ(cl.arguments, c.left);
    EXPECT_EQ(cl.HasParams(), !c.left.isEmpty());
  }
}

TEST(CommandLine, Values) {
  const TCommandLine cl = ParseCommandLine(
      {"--book", "B", "--disc", "D", "--screenshot", "S", "--script", "F", "--verbose"});
  EXPECT_EQ(cl.book, "B");
  EXPECT_EQ(cl.disc, "D");
  EXPECT_EQ(cl.screenshot, "S");
  EXPECT_EQ(cl.script, "F");
  EXPECT_TRUE(cl.verbose);
  EXPECT_FALSE(ParseCommandLine({"--book"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"--bogus"}).error.isEmpty());
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
}
