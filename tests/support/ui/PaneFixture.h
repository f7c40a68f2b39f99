#pragma once
// The two-screen test skin with document panes: numbers 1 (20,100)-(420,500) and 2
// (430,100)-(780,500) on screen 0 with the start pages man\a.htm and man\b.htm, number 3 on
// screen 1 with man\c.htm; a path box on screen 0 and a text element 1 for the page title.
// Pages man\a.htm, a2.htm, b.htm, c.htm, d.htm, e.htm (titled "Страница" and the letter;
// a, d and e are long), man\pics.htm (a titled picture, a drop-down list "serials" with the
// second entry chosen, links) and man\breaks.htm (text between blank lines).

#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/SkinFixture.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

// Page bytes in Windows-1251.
QByteArray PageBytes(const QString& title, const QString& body);

void WritePaneBook(const TBookFixture& book, const QString& title, TTestSkinCommands commands = {});

// Opens the pane book; pages are compared as lower-cased full names.
class TPaneTest : public ::testing::Test {
 protected:
  void Open(const TTestSkinCommands& commands = {}) {
    WritePaneBook(book_, UniqueTitle("pane"), commands);
    form_ = OpenBook(book_);
    frame_ = form_->HtmlFrame.get();
    ASSERT_NE(frame_, nullptr);
  }
  void Command(const std::string& command) { form_->RunCommand(command, {}, 0, TMainForm::TKind::Button, true); }
  TFrameViewer* Viewer(int index) const { return frame_->Viewers()[index]; }
  std::string Page(const char* name) const { return Global.ProgramFolder + "man\\" + name; }
  static std::string Lower(const std::string& name) { return ToCp1251(FromCp1251(name).toLower()); }
  std::string Shown(int index) const { return Lower(Viewer(index)->CurrentFile()); }

  TSavedGlobals saved_;
  TBookFixture book_;
  std::unique_ptr<TMainForm> form_;
  THtmlFrame* frame_ = nullptr;
};
