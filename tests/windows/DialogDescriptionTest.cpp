#include "windows/DialogDescription.h"

#include "app/Errors.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"

#include <gtest/gtest.h>

namespace {

TLines Lines(const QStringList& utf8) {
  TLines lines;
  for (const QString& line : utf8) lines.push_back(ToCp1251(line));
  return lines;
}

std::string ErrorOf(const QStringList& utf8) {
  try {
    ReadDialogPages(Lines(utf8));
  } catch (const EDataError& e) {
    return e.what();
  }
  return "no error";
}

class DialogDescription : public ::testing::Test {
 protected:
  void SetUp() override {
    Global.ProgramFolder = "d:\\run\\";
    Global.DiscRoot = "d:\\";
  }

 private:
  TSavedGlobals saved_;
};

TEST_F(DialogDescription, ReadsPagesWithTheirElements) {
  const TDialogPages pages = ReadDialogPages(Lines({
      "1 _Picture=Msg.BMP",
      "_TEXT 1; vx=20; vy=30; vw=220; font=Arial Cyr; size=10",
      "style=Bold Italic; color=255,128,0; value=Текст",
      "_button 1; vx=90; vy=150; align=Middle; fn1=OK_up.bmp; fn2=ok_mv.bmp; fn3=ok_dn.bmp",
      "go=YES; hint=Закрыть окно; wav=Click.WAV",
      "2_picture=find.bmp",
      "_button 2; vx=5; vy=6; align=left; fn1=a; fn2=b; fn3=c; go=findnext1; hint=Искать; wav=no",
      "_button 2; vx=7; vy=8; align=LEFTISH; fn1=a; fn2=b; fn3=c; go=no; hint=x; wav=no",
      "switchgrp 2",
      "textcaptionup=Вся книга; textcaptiondn=Вся Книга",
      "vx=10; vy=100",
      "texttx=4; textty=2; textbx=90; textby=18; textfontname=Arial",
      "fn1=s1.bmp; fn2=s2.bmp; fn3=s3.bmp; fn4=s4.bmp",
      "textfontsize=9; textfontstyleup=bold; textfontcolordn=1,2,3",
      "state=ON; store=On; group=1; go=FindTxtAll; hint=По всей книге; wav=no",
      "switchgrp 2; vx=110; vy=100; fn1=s1.bmp; fn2=s2.bmp; fn3=s3.bmp; fn4=s4.bmp",
      "state=off; store=on; group=1; go=sub\\FindTxtLimit; hint=; wav=no",
  }));
  ASSERT_EQ(pages.size(), 2u);
  const RDlgPage& message = pages[0];
  EXPECT_EQ(message.picture, "Msg.BMP");
  EXPECT_EQ(message.text.vx, 20);
  EXPECT_EQ(message.text.vw, 220);
  EXPECT_EQ(message.text.font, "Arial Cyr");
  EXPECT_EQ(message.text.size, 10);
  EXPECT_EQ(message.text.style, fsBold | fsItalic);
  EXPECT_EQ(message.text.color, 0x0080FFu);
  ASSERT_EQ(message.buttons.size(), 1u);
  EXPECT_EQ(message.buttons[0].align, TDlgAlign::Middle);
  EXPECT_EQ(message.buttons[0].fn1, "OK_up.bmp");
  EXPECT_EQ(message.buttons[0].go, "yes");
  EXPECT_EQ(FromCp1251(message.buttons[0].hint), "Закрыть окно");
  EXPECT_EQ(message.buttons[0].wav, "click.wav");

  const RDlgPage& search = pages[1];
  EXPECT_EQ(search.buttons[0].align, TDlgAlign::Left);
  EXPECT_EQ(search.buttons[1].align, TDlgAlign::Right);
  ASSERT_EQ(search.switches.size(), 2u);
  const RSwthGrp& all = search.switches[0];
  EXPECT_EQ(FromCp1251(all.textcaptionup), "Вся книга");
  EXPECT_EQ(FromCp1251(all.textcaptiondn), "Вся Книга");
  EXPECT_EQ(all.texttx, 4);
  EXPECT_EQ(all.textby, 18);
  EXPECT_EQ(all.textfontname, "Arial");
  EXPECT_EQ(all.textfontsize, 9);
  EXPECT_EQ(all.textfontstyleup, fsBold);
  EXPECT_EQ(all.textfontcolordn, 0x030201u);
  EXPECT_TRUE(all.state);
  EXPECT_FALSE(all.store);  // only "on" exactly
  EXPECT_EQ(all.group, 1);
  EXPECT_EQ(all.go, "findtxtall");
  EXPECT_TRUE(search.switches[1].store);
  EXPECT_FALSE(search.switches[1].state);
  EXPECT_EQ(search.switches[1].go, "d:\\run\\sub\\findtxtlimit");
  EXPECT_EQ(search.switches[1].hint, "");
}

TEST_F(DialogDescription, PagesNobodyNamesStayEmpty) {
  const TDialogPages pages = ReadDialogPages(Lines({"4_picture=p4.bmp"}));
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_TRUE(pages[0].picture.empty());
  EXPECT_EQ(pages[3].picture, "p4.bmp");
}

TEST_F(DialogDescription, MalformedElementsNameTheFileAndTheLine) {
  EXPECT_EQ(ErrorOf({"", "_button 1; vx=1; vy=2; align=left", "fn1=a; fn2=b; fn3=c; go=x; hint=y"}),
            "Dialog.txt: line 2: key \"wav\" of \"_button\" never occurs");
  EXPECT_EQ(ErrorOf({"_text without a number"}), "Dialog.txt: line 1: \"_text\" has no page number");
  EXPECT_EQ(ErrorOf({"100_picture=a.bmp"}),
            "Dialog.txt: line 1: page number 100 of \"_picture\" is not between 1 and 99");
  EXPECT_EQ(ErrorOf({"0_picture=a.bmp"}), "Dialog.txt: line 1: page number 0 of \"_picture\" is not between 1 and 99");
}

}  // namespace
