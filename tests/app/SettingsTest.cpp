#include "app/Settings.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(BookSettings, DefaultsComeFromTheTableAndAreWrittenOnlyWhenAsked) {
  const TSavedGlobals saved;
  const TempDir dir;
  Global.SettingsFolder = dir.Path();
  Global.BookTitle = "Book";

  TBookSettings settings;
  ASSERT_TRUE(settings.Opened());
  EXPECT_EQ(settings.Read(Settings::SlideShowTime), 5);
  EXPECT_EQ(settings.Read(Settings::FontName), "Arial");
  EXPECT_EQ(settings.ReadOrCreate(Settings::Wav), 1);

  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Velquist\\Book", false));
  EXPECT_EQ(registry.ReadInteger("Wav"), 1);
  EXPECT_FALSE(registry.ValueExists("SlideShowTime"));

  settings.Write(Settings::SlideShowTime, 30);
  settings.WriteBool(Settings::Name(Settings::SwOne, 1, 2), true);
  EXPECT_EQ(TBookSettings().Read(Settings::SlideShowTime), 30);
  EXPECT_EQ(TBookSettings().ReadOrCreate(Settings::SlideShowTime), 30);
  EXPECT_EQ(registry.ReadBool("SwOne12"), true);
}
