#include "html/PagePreparser.h"

#include <gtest/gtest.h>

namespace {

TPreparseOptions FixedSize() {
  TPreparseOptions options;
  options.controlSize = [](const TPreparsedControl&) { return QSize(80, 22); };
  return options;
}

// The page as the importer sees it, whitespace as written.
QString Rewritten(const QString& page, const TPreparseOptions& options = FixedSize()) {
  return PreparsePage(page, options).html;
}

TEST(PagePreparserTest, ReadsTitleAndFrameset) {
  const TPreparsedPage page = PreparsePage(
      QStringLiteral(
          "<html><head><title> Руководство\n по ремонту </title></head>"
          "<frameset rows=\"100,*\"><frame name=top src=top.htm>"
          "<frameset cols=\"30%,*\"><frame name=toc src=toc.htm><frame name=main src=\"main.htm\"></frameset>"
          "</frameset></html>"),
      FixedSize());
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

TEST(PagePreparserTest, DropDownListsBecomePlaceholders) {
  const TPreparsedPage page = PreparsePage(
      QStringLiteral(
          "<p>Номер: <select name=\"Serial\"><option>111<option selected>222</option><option>333</select> ok</p>"
          "<input name=q><input type=hidden name=h><textarea name=t></textarea><select name=empty></select>"),
      FixedSize());
  ASSERT_EQ(page.controls.size(), 4u);
  const TPreparsedControl& list = page.controls[0];
  EXPECT_EQ(list.kind, TFormControlKind::Select);
  EXPECT_EQ(list.name, "Serial");
  EXPECT_EQ(list.items, (QStringList{"111", "222", "333"}));
  EXPECT_EQ(list.selectedIndex, 1);
  EXPECT_TRUE(
      page.html.contains(QStringLiteral("<img src=\"%1\" width=\"80\" height=\"22\"> ok").arg(list.placeholder)));
  EXPECT_FALSE(page.html.contains(QStringLiteral("<option")));
  EXPECT_EQ(page.controls[1].kind, TFormControlKind::Input);
  EXPECT_EQ(page.controls[2].kind, TFormControlKind::TextArea);
  EXPECT_EQ(page.controls[3].selectedIndex, -1);
}

TEST(PagePreparserTest, BrokenPages) {
  // A page nested without end is shown as its text, at once.
  QString deep;
  for (int i = 0; i < 20000; ++i) deep += "<div><select><a href=x target=y>";
  const TPreparsedPage flat = PreparsePage(deep + "end", FixedSize());
  EXPECT_TRUE(flat.html.startsWith(QStringLiteral("<pre>&lt;div&gt;")));
  EXPECT_TRUE(flat.html.endsWith(QStringLiteral("end</pre>")));
  // Unclosed paragraphs and list items are not nesting.
  QString items;
  for (int i = 0; i < 5000; ++i) items += "<p>x<li>y<br>";
  EXPECT_FALSE(PreparsePage(items, FixedSize()).html.startsWith(QStringLiteral("<pre>")));

  // Qt's layout cannot take tables nested without end: the deep ones lose their tags, not
  // their text.
  QString tables;
  for (int i = 0; i < 100; ++i) tables += "<table><tr><td>";
  const QString cut = PreparsePage(tables + "end", FixedSize()).html;
  EXPECT_EQ(cut.count(QStringLiteral("<table>")), 12);
  EXPECT_TRUE(cut.endsWith(QStringLiteral("<td>end")));
}

// The importer keeps a name only on a character: every anchor form lands on the first
// character drawn after it.
TEST(PagePreparserTest, AnchorNamesLandOnTheFirstCharacterAfterThem) {
  struct Case {
    QString page, expected;
  } cases[] = {
      {"<p>a</p><a name=\"mid\"></a>\n<h2>Head</h2>", "<h2><span id=\"mid\">H</span>ead</h2>"},
      {"<a name=w>wrapped</a>", "<a name=w><span id=\"w\">w</span>rapped</a>"},
      {"<h2 id=hid>  Head</h2>", "<h2 id=hid>  <span id=\"hid\">H</span>ead</h2>"},
      {"<table id=t><tr id=r><td>cell</td></tr></table>", "<td><span id=\"t\"><span id=\"r\">c</span></span>ell</td>"},
      {"<a name=pic><img src=a.png></a>", "<a name=pic><span id=\"pic\"><img src=a.png></span></a>"},
      {"<a name=e1></a><a id=e2></a>&amp;x", "<span id=\"e1\"><span id=\"e2\">&amp;</span></span>x"},
      {"<a name=r></a>Ремонт", "<span id=\"r\">Р</span>емонт"},
      {"<a name=\"a&quot;b\"></a>x", "<span id=\"a&quot;b\">x</span>"},
      {"<p>end</p><a name=tail></a>", "<span id=\"tail\">&#8203;</span>"},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(Rewritten(c.page).contains(c.expected)) << c.page.toStdString() << "\n"
                                                        << Rewritten(c.page).toStdString();
}

TEST(PagePreparserTest, HiddenElementsAreDropped) {
  const QString page = Rewritten(QStringLiteral(
      "<html><head><style>\n"
      "/* .comment { display: none } */\n"
      ".gone, P.note { display : none !important }\n"
      "#secret { display:none }\n"
      ".back { display:none } .back { display:block }\n"
      "@media print { .screen { display:none } }\n"
      "div p.deep { display:none }\n"
      "</style></head><body>"
      "<p>one</p><p style=\"color:red; DISPLAY: None\">inline</p>"
      "<div class=\"x GONE\">by class<p>and inside</p></div>"
      "<p class=note>by tag and class</p><div class=note>shown note</div>"
      "<span id=Secret>by id</span>"
      "<p class=back>back again</p><p class=screen>on screen</p><p class=deep>descendant rules are not read</p>"
      "<p class=comment>comment</p><table><tr style=display:none><td>row</td></tr><tr><td>kept row</td></tr></table>"
      "</body></html>"));
  for (const char* hidden : {"inline", "by class", "and inside", "by tag and class", "by id", ">row<"})
    EXPECT_FALSE(page.contains(QString::fromUtf8(hidden))) << hidden;
  for (const char* shown : {"one", "shown note", "back again", "on screen", "descendant rules", "comment", "kept row"})
    EXPECT_TRUE(page.contains(QString::fromUtf8(shown))) << shown;
  // The page itself is never dropped.
  EXPECT_TRUE(Rewritten("<body style=\"display:none\"><p>all</p>").contains("all"));
}

TEST(PagePreparserTest, BorderedBlocksSitInATable) {
  const QString page = Rewritten(QStringLiteral(
      "<style>.box { border: 1px dashed #0000ff; padding: 6px }</style>"
      "<div style=\"border:2px solid red\">red box</div><p class=box>blue box</p>"
      "<div style=\"border:1px none black\">no style</div><span style=\"border:1px solid red\">inline</span>"));
  EXPECT_TRUE(
      page.contains(QStringLiteral("<table width=\"100%\" border=\"2\" cellspacing=\"0\" cellpadding=\"2\" "
                                   "style=\"border-collapse:collapse;border-style:solid;border-color:red\"><tr><td>"
                                   "<div style=\"border:2px solid red\">red box</div></td></tr></table>")));
  EXPECT_TRUE(page.contains(QStringLiteral(
      "border=\"1\" cellspacing=\"0\" cellpadding=\"6\" style=\"border-collapse:collapse;border-style:dashed;"
      "border-color:#0000ff\"><tr><td><p class=box>blue box</p></td></tr></table>")));
  EXPECT_EQ(page.count(QStringLiteral("<table")), 2);

  // Nested boxes stop adding tables where the importer's limit is.
  QString deep;
  for (int i = 0; i < 40; ++i) deep += "<div style=\"border:1px solid\">";
  EXPECT_EQ(Rewritten(deep + "end").count(QStringLiteral("<table")), 12);
}

TEST(PagePreparserTest, ImageMapsAndTheirPictures) {
  const TPreparsedPage page = PreparsePage(
      QStringLiteral(
          "<base target=main><img src=\"car.png\" usemap=\"#Car\" title=\"Машина\"><img src=plain.png>"
          "<map name=car><area shape=rect coords=\"0,0,10,10\" href=a.htm title=\"Капот\">"
          "<area shape=CIRCLE coords=\"50,50,5\" href=b.htm target=_top alt=\"Колесо\">"
          "<area shape=poly coords=\"0,0 20,0 0,20\" nohref href=c.htm><area shape=default href=d.htm></map>"),
      FixedSize());
  ASSERT_EQ(page.maps.size(), 1u);
  const TImageMap& map = page.maps[0];
  EXPECT_EQ(map.name, "car");
  ASSERT_EQ(map.areas.size(), 4u);
  EXPECT_EQ(map.areas[0].target, "main");
  EXPECT_EQ(map.areas[0].title, QStringLiteral("Капот"));
  EXPECT_EQ(map.areas[1].shape, TMapArea::Shape::Circle);
  EXPECT_EQ(map.areas[1].target, "_top");
  EXPECT_EQ(map.areas[1].title, QStringLiteral("Колесо"));
  EXPECT_EQ(map.areas[2].href, "");
  EXPECT_EQ(map.areas[3].shape, TMapArea::Shape::Default);

  ASSERT_EQ(page.images.size(), 2u);
  EXPECT_EQ(page.images[0].usemap, "#Car");
  EXPECT_EQ(FindImageMap(page.maps, page.images[0].usemap), &map);
  EXPECT_TRUE(page.html.contains(QStringLiteral("src=\"%1\"").arg(EncodeMappedImage(0, "car.png"))));
  EXPECT_TRUE(page.html.contains(QStringLiteral("<img src=plain.png>")));
  int index = -1;
  QString source;
  EXPECT_TRUE(DecodeMappedImage(EncodeMappedImage(7, "pics/a b.png"), index, source));
  EXPECT_EQ(index, 7);
  EXPECT_EQ(source, "pics/a b.png");
  EXPECT_FALSE(DecodeMappedImage("pics/a.png", index, source));
  EXPECT_EQ(source, "pics/a.png");
}

TEST(PagePreparserTest, EveryKindOfControl) {
  const TPreparsedPage page = PreparsePage(
      QStringLiteral(
          "<form action=\"found.htm?q=1\" target=main>"
          "<input name=who value=\"Иван\" size=30 maxlength=12><input type=PASSWORD name=pin>"
          "<input type=checkbox name=abs checked><input type=radio name=fuel value=petrol>"
          "<input type=radio name=fuel value=diesel checked>"
          "<textarea name=note rows=3 cols=40>Первая строка\nвторая</textarea>"
          "<select name=parts size=3 multiple><option>A<option selected>B<option selected>C</select>"
          "<input type=submit><input type=reset value=\"Заново\"><button name=go type=button>Пуск <b>!</b></button>"
          "<input type=image alt=\"Искать\" src=go.png></form>"
          "<input name=outside><input type=hidden name=secret>"),
      FixedSize());
  const auto& c = page.controls;
  ASSERT_EQ(c.size(), 12u);
  EXPECT_EQ(c[0].kind, TFormControlKind::Input);
  EXPECT_EQ(c[0].type, "text");
  EXPECT_EQ(c[0].value, QStringLiteral("Иван"));
  EXPECT_EQ(c[0].columns, 30);
  EXPECT_EQ(c[0].maxLength, 12);
  EXPECT_EQ(c[1].type, "password");
  EXPECT_EQ(c[2].kind, TFormControlKind::CheckBox);
  EXPECT_TRUE(c[2].checked);
  EXPECT_EQ(c[2].value, "on");
  EXPECT_EQ(c[3].kind, TFormControlKind::Radio);
  EXPECT_FALSE(c[3].checked);
  EXPECT_TRUE(c[4].checked);
  EXPECT_EQ(c[5].kind, TFormControlKind::TextArea);
  EXPECT_EQ(c[5].value, QStringLiteral("Первая строка\nвторая"));
  EXPECT_EQ(c[5].rows, 3);
  EXPECT_EQ(c[6].kind, TFormControlKind::Select);
  EXPECT_EQ(c[6].rows, 3);
  EXPECT_TRUE(c[6].multiple);
  EXPECT_EQ(c[6].chosen, (std::vector<int>{1, 2}));
  EXPECT_EQ(c[6].selectedIndex, 1);
  EXPECT_EQ(c[7].kind, TFormControlKind::Button);
  EXPECT_EQ(c[7].value, QStringLiteral("Отправить"));
  EXPECT_EQ(c[8].type, "reset");
  EXPECT_EQ(c[8].value, QStringLiteral("Заново"));
  EXPECT_EQ(c[9].type, "button");
  EXPECT_EQ(c[9].value, QStringLiteral("Пуск !"));
  EXPECT_EQ(c[10].type, "image");
  EXPECT_EQ(c[10].value, QStringLiteral("Искать"));
  for (size_t i = 0; i <= 10; ++i) EXPECT_EQ(c[i].form, 0) << i;
  EXPECT_EQ(c[11].form, -1);
  ASSERT_EQ(page.forms.size(), 1u);
  EXPECT_EQ(page.forms[0].action, "found.htm?q=1");
  EXPECT_EQ(page.forms[0].target, "main");

  // Each control is one placeholder; nothing of the controls' own markup is left.
  EXPECT_EQ(page.html.count(QStringLiteral("<img src=\"skbform:")), 12);
  for (const char* gone : {"<textarea", "<option", "<button", "Первая"})
    EXPECT_FALSE(page.html.contains(QString::fromUtf8(gone))) << gone;
  EXPECT_EQ(page.html.count(QStringLiteral("<input")), 1);  // the hidden one
  EXPECT_EQ(PlaceholderControl(c[5].placeholder), 5);
  EXPECT_EQ(PlaceholderControl("car.png"), -1);

  // Without sizes the controls are listed and left as they are.
  const TPreparsedPage listed = PreparsePage(QStringLiteral("<input name=a><select name=b><option>x</select>"));
  EXPECT_EQ(listed.controls.size(), 2u);
  EXPECT_TRUE(listed.controls[0].placeholder.isEmpty());
  EXPECT_TRUE(listed.html.contains(QStringLiteral("<input name=a>")));
}

// Old pages open a form inside a table, where the parser cannot keep it around the rows.
TEST(PagePreparserTest, ControlsBelongToTheFormOpenBeforeThem) {
  const TPreparsedPage page = PreparsePage(
      QStringLiteral("<input name=before><table><form action=a.htm><tr><td><input name=in></td></tr></form></table>"
                     "<form action=b.htm><input name=second></form><input name=after>"),
      FixedSize());
  ASSERT_EQ(page.controls.size(), 4u);
  EXPECT_EQ(page.controls[0].form, -1);
  EXPECT_EQ(page.controls[1].form, 0);
  EXPECT_EQ(page.controls[2].form, 1);
  EXPECT_EQ(page.controls[3].form, -1);
}

TEST(PagePreparserTest, HostileControlsAndMaps) {
  QString page;
  for (int i = 0; i < 700; ++i) page += "<input name=x size=99999>";
  page += "<map name=m>";
  for (int i = 0; i < 3000; ++i) page += "<area coords=\"1,2,3,4\">";
  page += "<area shape=poly coords=\"" + QString("1,").repeated(100000) + "\"></map>";
  const TPreparsedPage parsed = PreparsePage(page, FixedSize());
  ASSERT_EQ(parsed.controls.size(), 700u);
  EXPECT_EQ(parsed.controls[0].columns, 200);
  EXPECT_FALSE(parsed.controls[499].placeholder.isEmpty());
  EXPECT_TRUE(parsed.controls[500].placeholder.isEmpty());
  ASSERT_EQ(parsed.maps.size(), 1u);
  EXPECT_EQ(parsed.maps[0].areas.size(), 2000u);
}

}  // namespace
