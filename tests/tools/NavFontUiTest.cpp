#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/FontTable.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "tools/NavFont.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSystemFont = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Added(const std::string& windowsName) {
  const auto fonts = FontTable::AddedFonts();
  return std::find(fonts.begin(), fonts.end(), windowsName) != fonts.end();
}

class NavFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFile::exists(kSystemFont)) GTEST_SKIP() << "no DejaVu font installed";
    Global.WindowsFolder = HostPath::ToWindows(dir_.MakeFolder(QStringLiteral("windows")) + u'/');
  }

  QString FontsHost() const { return dir_.Path() + QStringLiteral("/windows/Fonts"); }
  std::string PageIn(const QString& folder) const {
    return HostPath::ToWindows(dir_.MakeFolder(folder) + QStringLiteral("/page.htm"));
  }

  TSavedGlobals saved_;
  TempDir dir_;
  TNavFont fonts_;
};

}  // namespace

TEST(NavFont, FontFolderIsThePathPartOfTheFileName) {
  struct Case {
    const char* fileName;
    const char* folder;
  };
  for (const Case c : {Case{"d:\\run\\man\\a.htm", "d:\\run\\man\\"}, Case{"a.htm", ""}, Case{"c:a.htm", "c:"},
                       Case{"d:\\run\\", "d:\\run\\"}}) {
    SCOPED_TRACE(c.fileName);
    TNavFont fonts;
    fonts.SetFontFolder(c.fileName);
    EXPECT_EQ(fonts.FontFolder(), c.folder);
  }
}

TEST_F(NavFontTest, FontsBesideThePageAreCopiedAndRegistered) {
  const QByteArray font = ReadAll(kSystemFont);
  ASSERT_FALSE(font.isEmpty());
  dir_.Write(QStringLiteral("pages/Nav.TTF"), font);
  dir_.Write(QStringLiteral("pages/notes.txt"), "not a font");
  dir_.Write(QStringLiteral("pages/sub/Deeper.ttf"), font);
  // An older copy is replaced.
  dir_.Write(QStringLiteral("windows/Fonts/Nav.TTF"), "old");

  fonts_.SetFontFolder(PageIn(QStringLiteral("pages")));
  fonts_.InstallFonts();

  const std::string installed = Global.WindowsFolder + "Fonts\\Nav.TTF";
  EXPECT_EQ(ReadAll(FontsHost() + QStringLiteral("/Nav.TTF")), font);
  EXPECT_EQ(QDir(FontsHost()).entryList(QDir::Files), QStringList{QStringLiteral("Nav.TTF")});
  EXPECT_TRUE(Added(installed));
  EXPECT_FALSE(Global.BusyFlag);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  FontTable::RemoveFontResource(installed);
}

TEST_F(NavFontTest, FolderWithoutFontsChangesNothing) {
  dir_.Write(QStringLiteral("plain/notes.txt"), "not a font");
  const auto before = FontTable::AddedFonts();
  fonts_.SetFontFolder(PageIn(QStringLiteral("plain")));
  fonts_.InstallFonts();
  EXPECT_FALSE(QFileInfo::exists(FontsHost()));
  EXPECT_EQ(FontTable::AddedFonts(), before);
  EXPECT_FALSE(Global.BusyFlag);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
