#include "html/PagePreparser.h"

#include <gtest/gtest.h>

namespace {

QSize FixedSize(const QStringList&) { return {80, 22}; }

TEST(PagePreparserTest, ReadsTitleAndFrameset) {
  const TPreparsedPage page = PreparsePage(QStringLiteral(
      "<html><head><title> Руководство\n по ремонту </title></head>"
      "<frameset rows=\"100,*\"><frame name=top src=top.htm>"
      "<frameset cols=\"30%,*\"><frame name=toc src=toc.htm><frame name=main src=\"main.htm\"></frameset>"
      "</frameset></html>"), FixedSize);
  EXPECT_EQ(page.title, QStringLiteral("Руководство по ремонту"));
  ASSERT_TRUE(page.isFrameset);
  EXPECT_EQ(page.frameset.rows, "100,*");
  ASSERT_EQ(page.frameset.children.size(), 2u);
  EXPECT_EQ(page.frameset.children[0].name, "top");
  const TFramesetNode& inner = page.frameset.children[1];
  ASSERT_TRUE(inner.isFrameset);
  EXPECT_EQ(inner.cols, "30%,*");
  ASSERT_EQ(inner.children.size(), 2u);
  EXPECT_EQ(inner.children[1].src, "main.htm");
}

TEST(PagePreparserTest, LinkTargetsTravelInTheHref) {
  const TPreparsedPage page = PreparsePage(QStringLiteral(
      "<base target=main><a href=\"a.htm\">one</a> <a href='b.htm' target=\"toc\">two</a> "
      "<a href=c.htm target=\"\">three</a>"), FixedSize);
  EXPECT_TRUE(page.html.contains(QStringLiteral("href=\"skbtarget:main|a.htm\"")));
  EXPECT_TRUE(page.html.contains(QStringLiteral("href=\"skbtarget:toc|b.htm\"")));
  EXPECT_TRUE(page.html.contains(QStringLiteral("href=c.htm")));
  QString target, url;
  DecodeLinkTarget(QStringLiteral("skbtarget:toc|b.htm"), target, url);
  EXPECT_EQ(target, "toc");
  EXPECT_EQ(url, "b.htm");
  DecodeLinkTarget(QStringLiteral("plain.htm"), target, url);
  EXPECT_EQ(target, "");
  EXPECT_EQ(url, "plain.htm");
}

TEST(PagePreparserTest, DropDownListsBecomePlaceholders) {
  const TPreparsedPage page = PreparsePage(QStringLiteral(
      "<p>Номер: <select name=\"Serial\"><option>111<option selected>222</option><option>333</select> ok</p>"
      "<input name=q><input type=hidden name=h><textarea name=t></textarea><select name=empty></select>"), FixedSize);
  ASSERT_EQ(page.controls.size(), 4u);
  const TPreparsedControl& list = page.controls[0];
  EXPECT_EQ(list.kind, TPreparsedControlKind::Select);
  EXPECT_EQ(list.name, "Serial");
  EXPECT_EQ(list.items, (QStringList{"111", "222", "333"}));
  EXPECT_EQ(list.selectedIndex, 1);
  EXPECT_TRUE(page.html.contains(QStringLiteral("<img src=\"%1\" width=\"80\" height=\"22\"> ok").arg(list.placeholder)));
  EXPECT_FALSE(page.html.contains(QStringLiteral("<option")));
  EXPECT_EQ(page.controls[1].kind, TPreparsedControlKind::Input);
  EXPECT_EQ(page.controls[2].kind, TPreparsedControlKind::TextArea);
  EXPECT_EQ(page.controls[3].selectedIndex, -1);
}

TEST(PagePreparserTest, ImageTitlesAndBrokenPages) {
  const TPreparsedPage page = PreparsePage(QStringLiteral("<img src=a.gif title=\"Двигатель\"><img src=b.gif"), FixedSize);
  ASSERT_GE(page.images.size(), 1u);
  EXPECT_EQ(page.images[0].title, QStringLiteral("Двигатель"));
  // A page nested without end is shown as its text, at once.
  QString deep;
  for (int i = 0; i < 20000; ++i) deep += "<div><select><a href=x target=y>";
  const TPreparsedPage flat = PreparsePage(deep + "end", FixedSize);
  EXPECT_TRUE(flat.html.startsWith(QStringLiteral("<pre>&lt;div&gt;")));
  EXPECT_TRUE(flat.html.endsWith(QStringLiteral("end</pre>")));
  // Unclosed paragraphs and list items are not nesting.
  QString items;
  for (int i = 0; i < 5000; ++i) items += "<p>x<li>y<br>";
  EXPECT_FALSE(PreparsePage(items, FixedSize).html.startsWith(QStringLiteral("<pre>")));

  // Qt's layout cannot take tables nested without end: the deep ones lose their tags, not
  // their text.
  QString tables;
  for (int i = 0; i < 100; ++i) tables += "<table><tr><td>";
  const QString cut = PreparsePage(tables + "end", FixedSize).html;
  EXPECT_EQ(cut.count(QStringLiteral("<table>")), 12);
  EXPECT_TRUE(cut.endsWith(QStringLiteral("<td>end")));
}

}  // namespace
