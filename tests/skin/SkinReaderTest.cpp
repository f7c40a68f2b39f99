#include "skin/SkinReader.h"

#include "app/Errors.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/StructBuilder.h"

#include "support/SavedGlobals.h"

#include <gtest/gtest.h>

namespace {

// Names resolve under d:\run\ with the disc at d:\.
class SkinReader : public ::testing::Test {
 protected:
  void SetUp() override {
    Global.ProgramFolder = "d:\\run\\";
    Global.DiscRoot = "d:\\";
  }

 private:
  TSavedGlobals saved_;
};

TSkinModel Read(const TStructBuilder& description) { return ReadSkin(description.Lines(), "Struct.txt"); }

std::vector<std::string> Commands(const TDynamicBtnArray& buttons) {
  std::vector<std::string> commands;
  for (const RBtn& b : buttons) commands.push_back(b.go);
  return commands;
}

std::string ErrorOf(const TLines& lines) {
  try {
    ReadSkin(lines, "Struct.txt");
  } catch (const EDataError& e) {
    return e.what();
  }
  return "no error";
}

TEST_F(SkinReader, WindowButtonsStandBetweenTheButtonsBeforeAndAfterTheirScreenLine) {
  TStructBuilder d;
  d.Button(1, "before").Screen(1, "back1.bmp").Button(1, "after").Button(2, "second").Screen(2, "back2.bmp");
  d.WindowButtons();  // after every use: the first pass has read them before the second starts

  const TSkinModel m = Read(d);

  ASSERT_EQ(m.ScreenCount(), 2);
  EXPECT_EQ(Commands(m.ScreenBtns[0]), (std::vector<std::string>{"before", "minimize", "exit", "after"}));
  EXPECT_EQ(Commands(m.ScreenBtns[1]), (std::vector<std::string>{"second", "minimize", "exit"}));
  EXPECT_EQ(m.ScreenBackgrounds, (std::vector<std::string>{"back1.bmp", "back2.bmp"}));
  const RBtn& minimize = m.ScreenBtns[0][1];
  EXPECT_EQ(minimize.vx, 700);
  EXPECT_EQ(minimize.vy, 2);
  EXPECT_EQ(minimize.fn1, "min1.bmp");
  EXPECT_EQ(minimize.fn3, "min3.bmp");
  EXPECT_EQ(FromCp1251(minimize.hint), QStringLiteral("Свернуть"));
  EXPECT_EQ(minimize.wav, "min.wav");
  EXPECT_EQ(m.ScreenBtns[0][2].fn2, "close2.bmp");
}

TEST_F(SkinReader, HintWithCloseReadsTheCloseButtonAgainFromThere) {
  TStructBuilder d;
  d.WindowButtons()
      .Screen(1, "back.bmp")
      .Button(1, "help")
      .Line("button1;vx=300;vy=40;fn1=q1.bmp;fn2=q2.bmp;fn3=q3.bmp;go=exit;hint=CLOSE the book;wav=bye.wav");

  const TSkinModel m = Read(d);

  // The close keys are read again from the line whose hint holds the word.
  EXPECT_EQ(m.CloseBtn.vx, 300);
  EXPECT_EQ(m.CloseBtn.vy, 40);
  EXPECT_EQ(m.CloseBtn.fn1, "q1.bmp");
  EXPECT_EQ(m.CloseBtn.hint, "close the book");
  EXPECT_EQ(m.CloseBtn.wav, "bye.wav");
  EXPECT_EQ(m.CloseBtn.go, "exit");
  ASSERT_EQ(m.ScreenBtns[0].size(), 4u);
  EXPECT_EQ(m.ScreenBtns[0][1].fn1, "q1.bmp");
}

TEST_F(SkinReader, HeaderOnALineTheBlockBeforeEndedOnIsNotSeen) {
  TStructBuilder d;
  d.Button(1, "first", "button1;vx=1;vy=1;fn1=x;fn2=x;fn3=x;go=unseen;hint=x;wav=no")
      .Line("switchone1;vx=1;vy=1;fn1=s1.bmp")
      .Line("fn2=s2.bmp;fn3=s3.bmp;fn4=s4.bmp;state=on;store=on;goup=a;godown=b;hint=s;wav=no;_html1;vx=1")
      .Line("_text1;vx=1;vy=2;vw=3;font=arial;size=8;style=bold;color=1,2,3;value=v;ident=i;number=4");

  const TSkinModel m = Read(d);

  EXPECT_EQ(Commands(m.ScreenBtns[0]), std::vector<std::string>{"first"});
  EXPECT_EQ(m.ScreenSwthOne[0].size(), 1u);
  EXPECT_TRUE(m.Htmls.empty());
  EXPECT_EQ(m.Texts.size(), 1u);
}

TEST_F(SkinReader, CaptionKeysAreReadOnLinesWithoutTheNextMainKey) {
  TStructBuilder d;
  d.Line("button1;textcaption=Назад;textfontname=Arial;textfontsize=9")
      .Line("vx=10;vy=20;texttx=2;textty=3;textbx=40;textby=15")
      .Line("fn1=b1.bmp;fn2=b2.bmp;fn3=b3.bmp;textfontcolorup=255,0,0;textfontcolormv=0,128,0")
      .Line("go=back;hint=back;wav=no;textfontcolordn=0,0,255;textfontsize=30")
      .Line("textfontstyleup=bold");

  const TSkinModel m = Read(d);

  ASSERT_EQ(m.ScreenBtns[0].size(), 1u);
  const RBtn& b = m.ScreenBtns[0][0];
  EXPECT_EQ(FromCp1251(b.textcaption), QStringLiteral("Назад"));
  EXPECT_EQ(b.textfontname, "arial");
  EXPECT_EQ(b.textfontsize, 9);  // the 30 after wav is not read
  EXPECT_EQ(b.texttx, 2);
  EXPECT_EQ(b.textby, 15);
  EXPECT_EQ(b.textfontcolorup, 255);
  EXPECT_EQ(b.textfontcolormv, 32768);
  EXPECT_EQ(b.textfontcolordn, 0);
  EXPECT_EQ(b.textfontstyleup, 0);
}

TEST_F(SkinReader, CaptionKeysOnALineHoldingEveryMainKeyAreNotRead) {
  TStructBuilder d;
  d.Line("button1;textcaption=x;vx=1;vy=2;fn1=a;fn2=b;fn3=c;go=g;hint=h;wav=no");

  EXPECT_EQ(Read(d).ScreenBtns[0][0].textcaption, "");
}

TEST_F(SkinReader, SwitchesReadTheirKeysAndCaptions) {
  TStructBuilder d;
  d.Line("switchone2;vx=5;vy=6;textcaptionup=Вкл;textcaptiondn=Выкл;texttxup=1;textbyup=9;texttxdn=3;textbydn=8")
      .Line("fn1=o1.bmp;fn2=o2.bmp;fn3=o3.bmp;fn4=o4.bmp;textfontstylemvup=Italic;textfontcolormvdn=1,2,3")
      .Line("state=on;store=off;goup=html1=man\\off.htm;godown=html1=<cd>man\\on.htm;hint=tip;wav=sw.wav")
      .Line("switchgrp2;vx=7;vy=8;fn1=g1.bmp;fn2=g2.bmp;fn3=g3.bmp;fn4=g4.bmp;textcaptionup=3D;texttx=4")
      .Line("state=off;store=on;group=3;go=html1=man\\grp.htm;hint=g;wav=no");

  const TSkinModel m = Read(d);

  ASSERT_EQ(m.ScreenCount(), 2);
  EXPECT_TRUE(m.ScreenSwthOne[0].empty());
  ASSERT_EQ(m.ScreenSwthOne[1].size(), 1u);
  const RSwthOne& one = m.ScreenSwthOne[1][0];
  EXPECT_EQ(one.vx, 5);
  EXPECT_EQ(one.fn4, "o4.bmp");
  EXPECT_TRUE(one.state);
  EXPECT_FALSE(one.store);
  EXPECT_EQ(one.goup, "html1=d:\\run\\man\\off.htm");
  EXPECT_EQ(one.godown, "html1=d:\\man\\on.htm");
  EXPECT_EQ(one.wav, "sw.wav");
  EXPECT_EQ(FromCp1251(one.textcaptionup), QStringLiteral("Вкл"));
  EXPECT_EQ(FromCp1251(one.textcaptiondn), QStringLiteral("Выкл"));
  EXPECT_EQ(one.texttxup, 1);
  EXPECT_EQ(one.textbyup, 9);
  EXPECT_EQ(one.texttxdn, 3);
  EXPECT_EQ(one.textbydn, 8);
  EXPECT_EQ(one.textfontstylemvup, fsItalic);
  EXPECT_EQ(one.textfontcolormvdn, 1 + 2 * 256 + 3 * 65536);

  ASSERT_EQ(m.ScreenSwthGrp[1].size(), 1u);
  const RSwthGrp& grp = m.ScreenSwthGrp[1][0];
  EXPECT_FALSE(grp.state);
  EXPECT_TRUE(grp.store);
  EXPECT_EQ(grp.group, 3);
  EXPECT_EQ(grp.go, "html1=d:\\run\\man\\grp.htm");
  EXPECT_EQ(grp.textcaptionup, "3d");  // as read; the window shows it upper-case
  EXPECT_EQ(grp.texttx, 4);
}

TEST_F(SkinReader, ButtonCommandIsKeptAsWritten) {
  TStructBuilder d;
  d.Line("button1;vx=1;vy=2;fn1=a.bmp;fn2=b.bmp;fn3=c.bmp;go=html1=MAN\\a.htm;hint=h;wav=no");

  EXPECT_EQ(Read(d).ScreenBtns[0][0].go, "html1=man\\a.htm");
}

TEST_F(SkinReader, StyleWordsGiveBits) {
  const struct {
    std::string words;
    TFontStyles styles;
  } cases[] = {
      {"Bold", fsBold},
      {"bold italic", fsBold | fsItalic},
      {"Underline,StrikeOut", fsUnderline | fsStrikeOut},
      {"bolditalicunderlinestrikeout", fsBold | fsItalic | fsUnderline | fsStrikeOut},
      {"normal", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    TStructBuilder d;
    d.Line("button1;textfontstyledn=" + c.words).Line("vx=1;vy=2;fn1=a;fn2=b;fn3=c;go=g;hint=h;wav=no");
    EXPECT_EQ(Read(d).ScreenBtns[0][0].textfontstyledn, c.styles) << c.words;
  }
}

TEST_F(SkinReader, ScreenBackgroundIsTheTokenTwoCharactersAfterTheWord) {
  const struct {
    std::string line;
    int screen;
    std::string background;
  } cases[] = {
      {"_screen1 Back.bmp", 0, "back.bmp"},
      {"_screen2   back.bmp  ", 1, "back.bmp"},
      {"_screen1,back.bmp", 0, ",back.bmp"},
      {"_screen12 back.bmp", 11, "2 back.bmp"},
  };
  for (const auto& c : cases) {
    TStructBuilder d;
    d.WindowButtons().Line(c.line);
    const TSkinModel m = Read(d);
    ASSERT_EQ(m.ScreenCount(), c.screen + 1) << c.line;
    EXPECT_EQ(m.ScreenBackgrounds[c.screen], c.background) << c.line;
    EXPECT_EQ(Commands(m.ScreenBtns[c.screen]), (std::vector<std::string>{"minimize", "exit"})) << c.line;
    EXPECT_EQ(m.ScreenSwthOne.size(), m.ScreenBtns.size());
    EXPECT_EQ(m.ScreenSwthGrp.size(), m.ScreenBtns.size());
  }
}

TEST_F(SkinReader, DeclarationsReadTheirKeysInOrderAcrossLines) {
  TStructBuilder d;
  d.Line("_html2;vx=33;vy=90")
      .Line("vw=780;vh=560;fn=man\\start.htm")
      .Line("number=1")
      .Line("_findtxt1;vx=1;vy=2;vw=3;vh=4;frame=main;nofiles=[man\\a.htm")
      .Line("c:\\tmp\\b.htm]")
      .Line("number=2;hint=Найти")
      .Line("_path1;vx=1;vy=2;vw=3;vh=4;pathdef=C:\\Cars;hint=p")
      .Line("_clip2;vx=1;vy=2;vw=3;vh=4;bgcolor=0,0,255;html=7")
      .Line(
          "_text1;vx=5;vy=6;vw=7;font=Arial;size=10;style=Bold;color=255,255,255;value=Глава;ident=statusline;number=3")
      .Line("_image2;vx=1;vy=2;vw=3;vh=4;dir=slides")
      .Line("_image2;vx=1;vy=2;vw=3;vh=4;dir=<cd>pics\\")
      .Line("_splitter2;color=10,20,30");

  const TSkinModel m = Read(d);

  ASSERT_EQ(m.Htmls.size(), 1u);
  EXPECT_EQ(m.Htmls[0].screen, 1);
  EXPECT_EQ(m.Htmls[0].vw, 780);
  EXPECT_EQ(m.Htmls[0].fn, "d:\\run\\man\\start.htm");
  EXPECT_EQ(m.Htmls[0].number, 1);
  ASSERT_EQ(m.FindTxts.size(), 1u);
  EXPECT_EQ(m.FindTxts[0].frame, "main");
  EXPECT_EQ(m.FindTxts[0].nofiles, (std::vector<std::string>{"d:\\run\\man\\a.htm", "c:\\tmp\\b.htm"}));
  EXPECT_EQ(m.FindTxts[0].number, 2);
  EXPECT_EQ(FromCp1251(m.FindTxts[0].hint), QStringLiteral("Найти"));
  ASSERT_EQ(m.PathInputs.size(), 1u);
  EXPECT_EQ(m.PathInputs[0].pathdef, "c:\\cars");
  ASSERT_EQ(m.Clips.size(), 1u);
  EXPECT_EQ(m.Clips[0].screen, 1);
  EXPECT_EQ(m.Clips[0].bgcolor, 16711680);
  EXPECT_EQ(m.Clips[0].html, 7);
  ASSERT_EQ(m.Texts.size(), 1u);
  EXPECT_EQ(m.Texts[0].font, "arial");
  EXPECT_EQ(m.Texts[0].size, 10);
  EXPECT_EQ(m.Texts[0].style, "bold");
  EXPECT_EQ(m.Texts[0].color, 0xFFFFFF);
  EXPECT_EQ(FromCp1251(m.Texts[0].value), QStringLiteral("Глава"));
  EXPECT_EQ(m.Texts[0].ident, "statusline");
  EXPECT_EQ(m.Texts[0].number, 3);
  ASSERT_EQ(m.Images.size(), 2u);
  EXPECT_EQ(m.Images[0].dir, "d:\\run\\slides\\");
  EXPECT_EQ(m.Images[1].dir, "d:\\pics\\");
  ASSERT_EQ(m.Splitters.size(), 1u);
  EXPECT_EQ(m.Splitters[0].color, 10 + 20 * 256 + 30 * 65536);
  EXPECT_TRUE(m.ScreenBtns.empty());  // declarations make no screens
}

// The thesaurus window knows buttons, panes, search fields, texts and its screen; the main
// window's other elements and top-level keys are passed over, and so is its title.
TEST_F(SkinReader, ThesaurusDescriptionReadsItsOwnElementsOnly) {
  TStructBuilder d;
  d.Line("title=Мой тезаурус").Line("icon=tez.ico").Line("rolic=intro.avi").WindowButtons();
  d.Button(1, "findnext1")
      .Line("switchone1;vx=1;vy=2;fn1=a;fn2=b;fn3=c;fn4=d;state=on;store=off;goup=x;godown=y;hint=h;wav=no")
      .Line("_html1;vx=20;vy=96;vw=500;vh=396;fn=man\\t.htm;number=1")
      .Line("_findtxt1;vx=136;vy=58;vw=376;vh=76;frame=;nofiles=[];number=1;hint=Термин")
      .Line("_text1;vx=28;vy=408;vw=488;font=Arial;size=8;style=normal;color=1,2,3;value=x;ident=statusline;number=2")
      .Line("_clip1;vx=1;vy=2;vw=3;vh=4;bgcolor=0,0,255;html=7")
      .Screen(1, "tez_bg.bmp");

  const TSkinModel m = ReadTesaurusSkin(d.Lines(), "Tesaurus.txt");

  ASSERT_EQ(m.ScreenCount(), 1);
  EXPECT_EQ(Commands(m.ScreenBtns[0]), (std::vector<std::string>{"findnext1", "minimize", "exit"}));
  EXPECT_TRUE(m.ScreenSwthOne[0].empty());
  EXPECT_EQ(m.ScreenBackgrounds[0], "tez_bg.bmp");
  EXPECT_EQ(m.Icon, "tez.ico");
  EXPECT_TRUE(m.Rolic.empty());
  ASSERT_EQ(m.Htmls.size(), 1u);
  EXPECT_EQ(m.Htmls[0].vw, 500);
  ASSERT_EQ(m.FindTxts.size(), 1u);
  EXPECT_EQ(m.FindTxts[0].number, 1);
  ASSERT_EQ(m.Texts.size(), 1u);
  EXPECT_EQ(m.Texts[0].ident, "statusline");
  EXPECT_TRUE(m.Clips.empty());
}

TEST_F(SkinReader, ThreeTreesAreThreeRecords) {
  TStructBuilder d;
  for (int i = 1; i <= 3; ++i)
    d.Line("_tree2;vw=" + std::to_string(200 + i) + ";vh=500;colorselect=0,0,128;colorselecttext=255,255,255")
        .Line("fn=tree" + std::to_string(i) + ".txt");

  const TSkinModel m = Read(d);

  ASSERT_EQ(m.Trees.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(m.Trees[i].screen, 1);
    EXPECT_EQ(m.Trees[i].vw, 201 + i);
    EXPECT_EQ(m.Trees[i].colorselect, 128 * 65536);
    EXPECT_EQ(m.Trees[i].colorselecttext, 0xFFFFFF);
    EXPECT_EQ(m.Trees[i].fn, "tree" + std::to_string(i + 1) + ".txt");
  }
}

// A popup of screen 2 with every key on lines of its own, the type as given.
TStructBuilder PopupDescription(const std::string& type) {
  TStructBuilder d;
  d.Line("_popup2;xfon=-1;yfon=100;fnfon=popup.bmp;xbtn=-1;ybtn=4")
      .Line("fnbtnup=[i1.bmp;i2.bmp]")
      .Line("fnbtnmove=[m1.bmp]")
      .Line("fnbtndown=[d1.bmp]")
      .Line("fontup=Tahoma;sizeup=8;styleup=Bold;colorup=0,0,0")
      .Line("fontmv=Tahoma;sizemv=9;stylemv=italic;colormv=255,0,0")
      .Line("caption=[Печать;Копировать]")
      .Line("go=[print;copy]")
      .Line("parent=main;type=" + type)
      .Line("vertex=[0,0;100,0;100,60;0,60]");
  return d;
}

TEST_F(SkinReader, PopupReadsItsListsAndTypeWords) {
  const TSkinModel m = Read(PopupDescription("contexthtml"));

  ASSERT_EQ(m.ScreenPopups.size(), 2u);  // as far as the last screen with a popup
  EXPECT_TRUE(m.ScreenPopups[0].empty());
  ASSERT_EQ(m.ScreenPopups[1].size(), 1u);
  const RPopupData& p = m.ScreenPopups[1][0];
  EXPECT_EQ(p.screen, 1);
  EXPECT_EQ(p.xfon, -1);
  EXPECT_EQ(p.yfon, 100);
  EXPECT_EQ(p.fnfon, "popup.bmp");
  EXPECT_EQ(p.fnbtnup, (std::vector<std::string>{"d:\\run\\i1.bmp", "d:\\run\\i2.bmp"}));
  EXPECT_EQ(p.fnbtndown, std::vector<std::string>{"d:\\run\\d1.bmp"});
  EXPECT_EQ(p.styleup, "bold");
  EXPECT_EQ(p.sizemv, 9);
  EXPECT_EQ(p.colormv, 255);
  ASSERT_EQ(p.caption.size(), 2u);
  EXPECT_EQ(FromCp1251(p.caption[1]), QStringLiteral("Копировать"));
  EXPECT_EQ(p.go, (std::vector<std::string>{"print", "copy"}));
  EXPECT_EQ(p.parent, "main");
  EXPECT_EQ(p.type, ptContextHtml);
  EXPECT_EQ(p.vertex, (std::vector<QPoint>{{0, 0}, {100, 0}, {100, 60}, {0, 60}}));

  const struct {
    std::string type;
    int value;
  } types[] = {
      {"HistoryBack", ptHistoryBack},
      {"historyforward", ptHistoryForward},
      {"favorite", ptFavorite},
      {"7", 7},
      {"-4", -4},
      {"menu", -1},
  };
  for (const auto& t : types) EXPECT_EQ(Read(PopupDescription(t.type)).ScreenPopups[1][0].type, t.value) << t.type;
}

TEST_F(SkinReader, TopLevelValues) {
  TStructBuilder d;
  d.Line("codec=Indeo5,MpegAudio")
      .Line("rolic=Intro.avi")
      .Line("helpwin")
      .Line("vw=400")
      .Line("vh=300;fn=Help\\Book.hlp")
      .Line("background=yes")
      .Line("icon=Book.ico")
      .Line("bgsounddef=[music\\one.mp3")
      .Line("<cd>music\\two.mp3]")
      .Line("vertexmain=[0,0;800,0;800,600]");

  const TSkinModel m = Read(d);

  EXPECT_EQ(m.Codec, "indeo5,mpegaudio");
  EXPECT_EQ(m.Rolic, "intro.avi");
  EXPECT_EQ(m.HelpFile, "d:\\run\\help\\book.hlp");
  EXPECT_EQ(m.Background, "yes");
  EXPECT_EQ(m.Icon, "book.ico");
  EXPECT_EQ(m.BgSoundDef, (std::vector<std::string>{"d:\\run\\music\\one.mp3", "d:\\music\\two.mp3"}));
  EXPECT_TRUE(m.HasVertexMain);
  EXPECT_EQ(m.VertexMain, (std::vector<QPoint>{{0, 0}, {800, 0}, {800, 600}}));

  EXPECT_FALSE(Read(TStructBuilder().Line("codec=none")).HasVertexMain);
}

TEST_F(SkinReader, MalformedDescriptionsNameTheLine) {
  const struct {
    TLines lines;
    std::string message;
  } cases[] = {
      {{"_screen1 a.bmp", "button1;vx=1;vy=2;fn1=a", "fn3=c;go=g;hint=h;wav=no"},
       "Struct.txt: line 2: key \"fn2\" of \"button\" never occurs"},
      {{"_splitter1"}, "Struct.txt: line 1: key \"color\" of \"_splitter\" never occurs"},
      {{"minimize;vx=1;vy=2;fn1=a;fn2=b;fn3=c;hint=h"}, "Struct.txt: line 1: key \"wav\" of \"minimize\" never occurs"},
      {{"codec=x", "helpwin;vw=1;vh=2"}, "Struct.txt: line 2: key \"fn\" of \"helpwin\" never occurs"},
      {{"", "button;hint=none", "vx=1;vy=2;fn1=a;fn2=b;fn3=c;go=g;hint=h;wav=no"},
       "Struct.txt: line 2: \"button\" has no screen number"},
      {{"_tree", "vw=1;vh=2;colorselect=1,2,3;colorselecttext=1,2,3;fn=t.txt"},
       "Struct.txt: line 1: \"_tree\" has no screen number"},
      {{"_html0;vx=1;vy=2;vw=3;vh=4;fn=a.htm;number=1"},
       "Struct.txt: line 1: screen number 0 of \"_html\" is not between 1 and 1000"},
      {{"_screen2000000000 a.bmp"},
       "Struct.txt: line 1: screen number 2000000000 of \"_screen\" is not between 1 and 1000"},
      {{"_screen2147483648 a.bmp"},
       "Struct.txt: line 1: screen number 2147483648 of \"_screen\" is not between 1 and 1000"},
      {{"x", "vertexmain=[0,0;a,5]"}, "Struct.txt: line 2: vertex list of \"vertexmain\": "},
      {{"x", "vertexmain=[0,0;5,5", "_screen1 a.bmp"},
       "Struct.txt: line 2: vertex list of \"vertexmain\": the list has no closing \"]\""},
      {{"_popup1;xfon=1;yfon=1;fnfon=f;xbtn=1;ybtn=1;fnbtnup=[a];", "fnbtnmove=[a]", "fnbtndown=[a]",
        "fontup=f;sizeup=1;styleup=s;colorup=1,1,1;fontmv=f;sizemv=1;stylemv=s;colormv=1,1,1", "caption=[a]", "go=[a]",
        "parent=p;type=1", "vertex=[1,2;3]"},
       "Struct.txt: line 8: vertex list of \"_popup\": "},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.lines);
    EXPECT_EQ(error.substr(0, c.message.size()), c.message) << error;
  }
}

TEST_F(SkinReader, EmptyDescriptionGivesAnEmptyModel) {
  const TSkinModel m = ReadSkin({}, "Struct.txt");
  EXPECT_EQ(m.ScreenCount(), 0);
  EXPECT_TRUE(m.ScreenPopups.empty());
  EXPECT_FALSE(m.HasVertexMain);
}

}  // namespace
