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
      {{"d:\\tez\\a.htm", "/t"}, TRole::Thesaurus, {"d:\\tez\\a.htm", "/t"}},
      // "/t" inside a host path is no role switch.
      {{"--disc", "/d", "c:\\pics/tx.htm"}, TRole::Picture, {"c:\\pics/tx.htm"}},
      {{"/tmp/x.bmp"}, TRole::Picture, {"/tmp/x.bmp"}},
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
  const TCommandLine cl =
      ParseCommandLine({"--book", "B", "--disc", "D", "--screenshot", "S", "--script", "F", "--verbose"});
  EXPECT_EQ(cl.book, "B");
  EXPECT_EQ(cl.disc, "D");
  EXPECT_EQ(cl.screenshot, "S");
  EXPECT_EQ(cl.script, "F");
  EXPECT_TRUE(cl.verbose);
  EXPECT_FALSE(ParseCommandLine({"--book"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"--bogus"}).error.isEmpty());
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
  EXPECT_EQ(ParseCommandLine({"--scale", "1.28"}).scale, 1.28);
  for (const char* bad : {"x", "0", "-1", "9", "nan", "inf"})
    EXPECT_FALSE(ParseCommandLine({"--scale", bad}).error.isEmpty()) << bad;
  EXPECT_FALSE(ParseCommandLine({"--scale"}).error.isEmpty());
}

TEST(CommandLine, RoleCommandLineGivesTheFileAndTheSwitch) {
  const struct {
    QStringList args;
    TRole role;
    QString file;
    bool roleSwitch, help;
  } cases[] = {
      {{}, TRole::Main, "", false, false},
      {{"d:\\man\\a.bmp"}, TRole::Picture, "d:\\man\\a.bmp", false, false},
      {{"d:\\help.htm#Topic12", "/h"}, TRole::Picture, "d:\\help.htm#Topic12", true, true},
      {{"d:\\tez\\a.htm#x", "/t"}, TRole::Thesaurus, "d:\\tez\\a.htm#x", true, false},
      {{"/t", "/h"}, TRole::Thesaurus, "", true, false},
      // Quotes go, and the parts of a name split at its spaces come together again.
      {{"\"d:\\my", "pics\\a.bmp\"", " "}, TRole::Picture, "d:\\my pics\\a.bmp", false, false},
      {{"/tmp/x.bmp", "/home/h/x.bmp"}, TRole::Picture, "/tmp/x.bmp /home/h/x.bmp", false, false},
      {{"/T"}, TRole::Picture, "/T", false, false},
  };
  for (const auto& c : cases) {
    const TRoleArguments role = ParseRoleCommandLine(c.args);
    const std::string name = c.args.join(' ').toStdString();
    EXPECT_EQ(role.role, c.role) << name;
    EXPECT_EQ(role.file, c.file) << name;
    EXPECT_EQ(role.roleSwitch, c.roleSwitch) << name;
    EXPECT_EQ(role.help, c.help) << name;
  }
}
