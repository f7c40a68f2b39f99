#include "app/Script.h"
#include "app/SkinModel.h"

#include <gtest/gtest.h>

TEST(Script, ReadsEveryKindOfLine) {
  const TScript script = ParseScript(
      "# a comment\n"
      "\n"
      "command html1=man\\a.htm\n"
      "move 10 20\n"
      "click 5 6 shift\n"
      "press 1 2\n"
      "release 1 2 SHIFT\n"
      "key Shift+Ctrl+Z\n"
      "wait 250\n"
      "shot out dir/s.png\n"
      "dump state.json\n"
      "close\n");
  ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
  ASSERT_EQ(script.lines.size(), 10u);
  EXPECT_EQ(script.lines[0].text, "html1=man\\a.htm");
  EXPECT_EQ(script.lines[0].lineNumber, 3);
  EXPECT_EQ(script.lines[1].at, QPoint(10, 20));
  EXPECT_TRUE(script.lines[2].shift);
  EXPECT_FALSE(script.lines[3].shift);
  EXPECT_EQ(script.lines[3].kind, TScriptLine::Kind::Press);
  EXPECT_TRUE(script.lines[4].shift);
  EXPECT_EQ(script.lines[5].key, Qt::Key_Z);
  EXPECT_EQ(script.lines[5].modifiers, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(script.lines[6].milliseconds, 250);
  EXPECT_EQ(script.lines[7].text, "out dir/s.png");
  EXPECT_EQ(script.lines[9].kind, TScriptLine::Kind::Close);
}

TEST(Script, KeyNames) {
  const struct {
    const char* keyName;
    int key;
    Qt::KeyboardModifiers mods;
  } cases[] = {
      {"Esc", Qt::Key_Escape, Qt::NoModifier},     {"F1", Qt::Key_F1, Qt::NoModifier},
      {"Enter", Qt::Key_Return, Qt::NoModifier},   {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier},
      {"Ctrl+F", Qt::Key_F, Qt::ControlModifier},  {"Ctrl+I", Qt::Key_I, Qt::ControlModifier},
      {"Shift+Up", Qt::Key_Up, Qt::ShiftModifier}, {"F12", Qt::Key_F12, Qt::NoModifier},
  };
  for (const auto& c : cases) {
    int key = 0;
    Qt::KeyboardModifiers mods;
    ASSERT_TRUE(ParseKeyName(c.keyName, key, mods)) << c.keyName;
    EXPECT_EQ(key, c.key) << c.keyName;
    EXPECT_EQ(mods, c.mods) << c.keyName;
  }
  int key = 0;
  Qt::KeyboardModifiers mods;
  for (const char* bad : {"", "Hyper+A", "F0", "F25", "Shift+", "Ж"}) EXPECT_FALSE(ParseKeyName(bad, key, mods)) << bad;
}

TEST(Script, ErrorsNameTheLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"wait 10\njump 1 2\n", "line 2: unknown command \"jump\""},
      {"\n\nclick 1\n", "line 3: cannot read \"click 1\""},
      {"wait -5", "line 1: cannot read \"wait -5\""},
      {"key Shift+Bogus", "line 1: cannot read \"key Shift+Bogus\""},
      {"move 1 2 shift", "line 1: cannot read \"move 1 2 shift\""},
      {"command", "line 1: cannot read \"command\""},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseScript(c.text).error, QString::fromUtf8(c.error)) << c.text;
}

TEST(Script, ReadsThePaneLines) {
  const TScript script = ParseScript(
      "link copy:soft\\setup.exe\n"
      "link pic.jpg _blank\n"
      "find Свечи зажигания case\n"
      "find case\n"
      "drop /tmp/a b.htm\n");
  ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
  ASSERT_EQ(script.lines.size(), 5u);
  EXPECT_EQ(script.lines[0].kind, TScriptLine::Kind::Link);
  EXPECT_EQ(script.lines[0].text, "copy:soft\\setup.exe");
  EXPECT_TRUE(script.lines[0].target.isEmpty());
  EXPECT_EQ(script.lines[1].target, "_blank");
  EXPECT_EQ(script.lines[2].kind, TScriptLine::Kind::Find);
  EXPECT_EQ(script.lines[2].text, QStringLiteral("Свечи зажигания"));
  EXPECT_TRUE(script.lines[2].matchCase);
  EXPECT_EQ(script.lines[3].text, "case");  // a lone word is the text
  EXPECT_FALSE(script.lines[3].matchCase);
  EXPECT_EQ(script.lines[4].kind, TScriptLine::Kind::Drop);
  EXPECT_EQ(script.lines[4].text, "/tmp/a b.htm");
  EXPECT_FALSE(ParseScript("link a b c\n").error.isEmpty());
  EXPECT_FALSE(ParseScript("drop\n").error.isEmpty());
}

TEST(Script, ReadsTreeLines) {
  const TScript script = ParseScript(QStringLiteral("tree 1 Замена масла и фильтра\ntree 2 Г\n"));
  ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
  ASSERT_EQ(script.lines.size(), 2u);
  EXPECT_EQ(script.lines[0].kind, TScriptLine::Kind::Tree);
  EXPECT_EQ(script.lines[0].number, 1);
  EXPECT_EQ(script.lines[0].text, QStringLiteral("Замена масла и фильтра"));
  EXPECT_EQ(script.lines[1].number, 2);
  for (const char* bad : {"tree 3 A", "tree 1", "tree x A", "tree"})
    EXPECT_EQ(ParseScript(bad).error, QStringLiteral("line 1: cannot read \"%1\"").arg(bad)) << bad;
}

TEST(Script, ReadsFieldLines) {
  const TScript script = ParseScript(QStringLiteral("field 1 тормозная  система \nfield 12 x\n"));
  ASSERT_TRUE(script.error.isEmpty()) << qPrintable(script.error);
  ASSERT_EQ(script.lines.size(), 2u);
  EXPECT_EQ(script.lines[0].kind, TScriptLine::Kind::Field);
  EXPECT_EQ(script.lines[0].number, 1);
  EXPECT_EQ(script.lines[0].text, QStringLiteral("тормозная  система"));
  EXPECT_EQ(script.lines[1].number, 12);
  for (const char* bad : {"field 1", "field x A", "field"})
    EXPECT_FALSE(ParseScript(QString::fromUtf8(bad)).error.isEmpty()) << bad;
}

TEST(Script, ReadsAwaitLines) {
  const TScript script =
      ParseScript(QStringLiteral("await file /tmp/go now\nawait windows 2 Увеличенная картинка\nawait WINDOWS 0 X\n"
                                 "await state dialog.message Нет принтера\n"));
  ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
  ASSERT_EQ(script.lines.size(), 4u);
  EXPECT_EQ(script.lines[0].kind, TScriptLine::Kind::AwaitFile);
  EXPECT_EQ(script.lines[0].text, "/tmp/go now");
  EXPECT_EQ(script.lines[1].kind, TScriptLine::Kind::AwaitWindows);
  EXPECT_EQ(script.lines[1].number, 2);
  EXPECT_EQ(script.lines[1].text, QStringLiteral("Увеличенная картинка"));
  EXPECT_EQ(script.lines[2].number, 0);
  EXPECT_EQ(script.lines[3].kind, TScriptLine::Kind::AwaitState);
  EXPECT_EQ(script.lines[3].target, "dialog.message");
  EXPECT_EQ(script.lines[3].text, QStringLiteral("Нет принтера"));
  for (const char* bad : {"await", "await file", "await windows 1", "await state media.mode", "await windows -1 X",
                          "await windows x X", "await 1 X"})
    EXPECT_FALSE(ParseScript(QString::fromUtf8(bad)).error.isEmpty()) << bad;
}

TEST(Script, ReadsPopupItemLines) {
  const TScript script = ParseScript(QStringLiteral("item favorite 2\nitem HistoryBack 1\nitem 3 4\nitem -5 1\n"));
  ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
  ASSERT_EQ(script.lines.size(), 4u);
  EXPECT_EQ(script.lines[0].kind, TScriptLine::Kind::Item);
  const std::pair<int, int> expected[] = {{ptFavorite, 2}, {ptHistoryBack, 1}, {3, 4}, {ptContextHtml, 1}};
  for (size_t i = 0; i < script.lines.size(); ++i) {
    EXPECT_EQ(script.lines[i].number, expected[i].first) << i;
    EXPECT_EQ(script.lines[i].item, expected[i].second) << i;
  }
  for (const char* bad : {"item favorite 0", "item favorite", "item menu 1", "item 1 x", "item 1 2 3"})
    EXPECT_EQ(ParseScript(bad).error, QStringLiteral("line 1: cannot read \"%1\"").arg(bad)) << bad;
}
