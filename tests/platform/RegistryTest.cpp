#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/Registry.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { Global.SettingsFolder = dir.Path(); }
  void TearDown() override { Global.SettingsFolder.clear(); }
  TempDir dir;
};

TEST_F(RegistryTest, TypedValuesSurviveAFreshReader) {
  const std::string key = ToCp1251(u"SOFTWARE\\Velquist\\Ремонт \"авто\"");
  {
    TRegistry reg;
    ASSERT_FALSE(reg.OpenKey(key, false));
    ASSERT_TRUE(reg.OpenKey(key, true));
    EXPECT_TRUE(reg.WriteString("FontName", ToCp1251(u"Times \\ \"Кириллица\"")));
    EXPECT_TRUE(reg.WriteInteger("FontColor", -16777201));
    EXPECT_TRUE(reg.WriteBool("SwOne010", true));
    EXPECT_TRUE(reg.WriteBinary("Blob", std::string("\x00\xff\x10", 3)));
  }
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("software\\VELQUIST\\" + key.substr(18), false));
  EXPECT_EQ(reg.ReadString("fontname"), ToCp1251(u"Times \\ \"Кириллица\""));
  EXPECT_EQ(reg.ReadInteger("FontColor"), -16777201);
  EXPECT_EQ(reg.ReadBool("SwOne010"), true);
  EXPECT_EQ(reg.ReadBinary("Blob"), std::string("\x00\xff\x10", 3));
  // Reading a value as another type, or a missing one, gives nothing.
  EXPECT_FALSE(reg.ReadInteger("FontName"));
  EXPECT_FALSE(reg.ReadBool("Missing"));
  EXPECT_TRUE(reg.DeleteValue("FontName"));
  EXPECT_FALSE(reg.ValueExists("FontName"));
}

TEST_F(RegistryTest, AKeysDefaultValueIsWrittenAsAt) {
  TRegistry reg(TRegistry::Root::ClassesRoot);
  ASSERT_TRUE(reg.OpenKey("CLSID\\{X}\\InProcServer32", true));
  EXPECT_TRUE(reg.WriteString("", "c:\\codec.acm"));
  EXPECT_TRUE(reg.WriteString("Other", "x"));
  QFile file(reg.FileName());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("\n@=\"c:\\\\codec.acm\"\n")) << text.toStdString();
  TRegistry again(TRegistry::Root::ClassesRoot);
  ASSERT_TRUE(again.OpenKey("clsid\\{x}\\inprocserver32", false));
  EXPECT_EQ(again.ReadString(""), "c:\\codec.acm");
  EXPECT_EQ(again.ReadString("Other"), "x");
}

TEST_F(RegistryTest, UnreadableLinesAreIgnored) {
  TRegistry reg;
  QFile file(reg.FileName());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Soft]\n"
      "\"Good\"=dword:0000000a\n"
      "\"Bad1\"=dword:zz\n"
      "\"Bad2\"=\"unterminated\n"
      "garbage line\n"
      "\"Bad3\"=hex:1,2,300\n"
      "\"Text\"=\"ok\"\n");
  file.close();
  ASSERT_TRUE(reg.OpenKey("soft", false));
  EXPECT_EQ(reg.ReadInteger("Good"), 10);
  EXPECT_FALSE(reg.ValueExists("Bad1"));
  EXPECT_FALSE(reg.ValueExists("Bad2"));
  EXPECT_FALSE(reg.ValueExists("Bad3"));
  EXPECT_EQ(reg.ReadString("Text"), "ok");
}

TEST_F(RegistryTest, WritersDoNotUndoEachOther) {
  TRegistry a, b;
  ASSERT_TRUE(a.OpenKey("K", true));
  ASSERT_TRUE(b.OpenKey("K", true));
  a.WriteInteger("A", 1);
  b.WriteInteger("B", 2);
  EXPECT_EQ(a.ReadInteger("B"), 2);
  EXPECT_EQ(b.ReadInteger("A"), 1);
  EXPECT_TRUE(a.DeleteKey("K"));
  EXPECT_FALSE(b.ValueExists("A"));
}
