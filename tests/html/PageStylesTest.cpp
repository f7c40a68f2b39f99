#include "html/PageStyles.h"

#include <gtest/gtest.h>

namespace {

TEST(PageStylesTest, TheCascadeDecidesWhatIsHidden) {
  TPageStyles styles;
  styles.AddSheet(
      u"p.a { display: none } .a { display: block } #x { display: block } "
      "div { display: none } .shown { display: block } "
      "@import url(other.css); @media screen { .m { display: none } } .b { display: inline }");
  styles.AddSheet(u".b { display: none }");
  struct Case {
    QString tag, id, classes, style;
    bool hidden;
  } cases[] = {
      {"p", "", "a", "", true},  // tag and class beat class alone
      {"span", "", "a", "", false},
      {"p", "X", "A", "", false},  // an id beats both; letter case ignored
      {"div", "", "", "", true},
      {"div", "", "shown", "", false},
      {"div", "", "", "display:block", false},  // the style attribute wins
      {"span", "", "", "display: none", true},
      {"span", "", "m", "", false},        // rules of @media are not read
      {"span", "", "  c   b ", "", true},  // a later sheet wins at equal weight
  };
  for (const Case& c : cases)
    EXPECT_EQ(styles.StyleOf(c.tag, c.id, c.classes, c.style).hidden, c.hidden)
        << c.tag.toStdString() << "#" << c.id.toStdString() << "." << c.classes.toStdString();
}

TEST(PageStylesTest, Borders) {
  TPageStyles styles;
  styles.AddSheet(
      u".box { border: thin dotted rgb(1, 2, 3); padding: 5px } .wide { border-width: 3pt }"
      ".off { border: 1px solid red; border-style: none }");
  struct Case {
    QString classes, style;
    int width;
    QString borderStyle, colour;
    int padding;
  } cases[] = {
      {"box", "", 1, "dotted", "rgb(1,2,3)", 5},
      {"box wide", "", 4, "dotted", "rgb(1,2,3)", 5},
      {"", "border: 2px solid #F00", 2, "solid", "#f00", -1},
      {"", "border-style: double", 3, "double", "", -1},
      {"", "border: 1px red", 0, "", "", -1},  // no style: nothing to draw
      {"off", "", 0, "", "", -1},
      {"", "border: 1px solid red\" onclick=x", 1, "solid", "", -1},  // odd colours are dropped
      {"", "border: 33333333333333333333333333333333333333333333333.3pt solid", 20, "solid", "", -1},
  };
  for (const Case& c : cases) {
    TElementStyle style = styles.StyleOf("div", "", c.classes, c.style);
    EXPECT_EQ(style.borderWidth, c.width) << c.style.toStdString();
    EXPECT_EQ(style.borderStyle, c.borderStyle) << c.style.toStdString();
    EXPECT_EQ(style.borderColor.remove(' '), c.colour) << c.style.toStdString();
    EXPECT_EQ(style.padding, c.padding) << c.style.toStdString();
  }
}

TEST(PageStylesTest, BrokenSheetsEndQuietly) {
  for (const char* sheet : {"", "}}}{{{", ".a { display: none", "/* open comment .a { display:none }",
                            ".a { content: \"}\"; display: none }", "@media { .a { display:none }", "@import",
                            ".a::before, a > b, a b, [x] { display: none }"}) {
    TPageStyles styles;
    styles.AddSheet(QString::fromUtf8(sheet));
    styles.StyleOf("a", "", "a", "");
  }
  TPageStyles quoted;
  quoted.AddSheet(u".a { content: \"}\"; display: none }");
  EXPECT_TRUE(quoted.StyleOf("p", "", "a", "").hidden);
}

}  // namespace
