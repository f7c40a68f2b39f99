#include "platform/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

TEST(IniFile, EntriesAreReplacedWhereTheyStandOrAddedToTheirSection) {
  const std::string before =
      "; the machine's drivers\r\n"
      "[Drivers32]\r\n"
      "msacm.imaadpcm=imaadp32.acm\r\n"
      " MSACM.L3Codec = old.acm\r\n"
      "\r\n"
      "[mci]\r\n"
      "cdaudio=mcicda.drv\r\n"
      "\r\n"
      "[drivers32]\r\n"
      "later=section\r\n";
  struct Case {
    const char *section, *key, *value;
    std::string after;
  };
  for (const Case& c : {
           Case{
               "drivers32", "msacm.l3codec", "l3codecp.acm",
               "; the machine's drivers\r\n[Drivers32]\r\nmsacm.imaadpcm=imaadp32.acm\r\nmsacm.l3codec=l3codecp.acm\r\n"
               "\r\n[mci]\r\ncdaudio=mcicda.drv\r\n\r\n[drivers32]\r\nlater=section\r\n"},
           Case{"MCI", "MpegVideo", "mciqtz.drv",
                "; the machine's drivers\r\n[Drivers32]\r\nmsacm.imaadpcm=imaadp32.acm\r\n MSACM.L3Codec = old.acm\r\n"
                "\r\n[mci]\r\ncdaudio=mcicda.drv\r\nMpegVideo=mciqtz.drv\r\n\r\n[drivers32]\r\nlater=section\r\n"},
           Case{"mci extensions", "mpg", "MpegVideo", before + "[mci extensions]\r\nmpg=MpegVideo\r\n"},
       })
    EXPECT_EQ(IniFile::WithEntry(before, c.section, c.key, c.value), c.after) << c.section << " " << c.key;

  EXPECT_EQ(IniFile::EntryOf(before, "DRIVERS32", "msacm.l3codec"), "old.acm");
  EXPECT_EQ(IniFile::EntryOf(before, "mci", "missing"), std::nullopt);
  EXPECT_EQ(IniFile::EntryOf(before, "none", "cdaudio"), std::nullopt);
  // Only the first section of a name holds entries.
  EXPECT_EQ(IniFile::EntryOf(before, "drivers32", "later"), std::nullopt);
}

TEST(IniFile, FilesAreWrittenWholeAndFoldersMade) {
  TempDir dir;
  const QString file = dir.Path() + "/windows/System.ini";
  ASSERT_TRUE(IniFile::WriteString(file, "mci", "ReelMagic", "c:\\windows\\system32\\xmdrv95.dll"));
  ASSERT_TRUE(IniFile::WriteString(file, "mci", "MpegVideo", "x.dll"));
  EXPECT_EQ(IniFile::ReadString(file, "MCI", "reelmagic"), "c:\\windows\\system32\\xmdrv95.dll");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "[mci]\r\nReelMagic=c:\\windows\\system32\\xmdrv95.dll\r\nMpegVideo=x.dll\r\n");
  EXPECT_EQ(IniFile::ReadString(dir.Path() + "/none.ini", "mci", "x"), std::nullopt);
  EXPECT_FALSE(IniFile::WriteString(dir.Path() + "/windows", "mci", "x", "y"));  // a folder
}

}  // namespace
