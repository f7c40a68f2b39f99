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

// A first run writes every default the reader's settings have; the slide values only for a
// book with slide areas, the interface size never.
TEST(BookSettings, FirstRunWritesTheReaderDefaults) {
  const TSavedGlobals saved;
  for (const bool slideAreas : {false, true}) {
    const TempDir dir;
    Global.SettingsFolder = dir.Path();
    Global.BookTitle = "Book";
    Global.Options = TReaderOptions{.Hint = false, .SlideShowTime = 7};

    ReadReaderOptions(slideAreas);

    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Velquist\\Book", false));
    for (const char* name : {"Clip", "Wav", "BGSound", "Animation", "Hint"})
      EXPECT_EQ(registry.ReadInteger(name), 1) << name;
    EXPECT_EQ(registry.ReadInteger("RunSlideShow"), slideAreas ? std::optional(0) : std::nullopt);
    EXPECT_EQ(registry.ReadInteger("SlideShowTime"), slideAreas ? std::optional(5) : std::nullopt);
    EXPECT_EQ(registry.ReadInteger("ImageSequence"), slideAreas ? std::optional(0) : std::nullopt);
    EXPECT_FALSE(registry.ValueExists("SizeInterface"));
    EXPECT_TRUE(Global.Options.Hint);
    EXPECT_EQ(Global.Options.SlideShowTime, slideAreas ? 5 : 7);
    EXPECT_EQ(Global.Options.SizeInterface, 0);
  }
}

TEST(BookSettings, StoredValuesWinAndABadInterfaceSizeIsAutomatic) {
  const TSavedGlobals saved;
  const TempDir dir;
  Global.SettingsFolder = dir.Path();
  Global.BookTitle = "Book";
  TBookSettings settings;
  settings.Write(Settings::Wav, 0);
  settings.Write(Settings::SlideShowTime, 30);
  settings.Write(Settings::ImageSequence, 2);
  settings.Write(Settings::SizeInterface, 2);
  ReadReaderOptions(true);
  EXPECT_FALSE(Global.Options.Wav);
  EXPECT_EQ(Global.Options.SlideShowTime, 30);
  EXPECT_EQ(Global.Options.ImageSequence, 2);
  EXPECT_EQ(Global.Options.SizeInterface, 2);
  settings.Write(Settings::SizeInterface, 7);
  EXPECT_EQ(ReadSizeInterface(settings), 0);
}
