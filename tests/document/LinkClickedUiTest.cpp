#include "document/HtmlFrame.h"

#include "app/ResourcePack.h"
#include "media/Sound.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/Dialogs.h"
#include "support/PackBuilder.h"
#include "support/TempDir.h"
#include "support/ui/DesktopRecorder.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"
#include "support/ui/PaneFixture.h"
#include "tools/PathInputBox.h"
#include "tools/StatusLine.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>

namespace {

QByteArray Read(const QString& host) {
  QFile file(host);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LinkClickedTest : public TPaneTest {
 protected:
  void SetUp() override {
    Global.Unattended = true;
    Dialogs::TakeRecorded();
    savedCurrent_ = QDir::currentPath();
    Open();
  }
  void TearDown() override { QDir::setCurrent(savedCurrent_); }
  // A click on a link of the page shown on screen 0.
  bool Click(const QString& url, const QString& target = {}) {
    bool handled = false;
    frame_->LinkClicked(Viewer(0), target, url, handled);
    return handled;
  }
  QString savedCurrent_;
};

TEST_F(LinkClickedTest, PageLinksAreLeftToTheViewer) {
  EXPECT_FALSE(Click("b.htm"));
  EXPECT_FALSE(Click("a.htm#part"));
  EXPECT_FALSE(Click("#part"));
  EXPECT_FALSE(Click("notes.txt", "main"));
  EXPECT_EQ(Shown(0), Lower(Page("a.htm")));
}

TEST_F(LinkClickedTest, ArchiveListingsShowTheirMembersThemselves) {
  frame_->SetArchiveMode(true);
  EXPECT_TRUE(frame_->IsArchiveMode());
  EXPECT_FALSE(Click("as_frame.htm"));
  EXPECT_FALSE(Click("#top"));
  EXPECT_TRUE(Click("e.htm"));
  EXPECT_EQ(Shown(0), Lower(Page("e.htm")));
}

TEST_F(LinkClickedTest, PrintAndMissingPictureWindowsOnlyMarkTheLink) {
  const auto history = Viewer(0)->History;
  // The print preview opens modally: it is closed as soon as it shows.
  int previews = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->inherits("TPreviewForm") && window->isVisible()) {
        ++previews;
        static_cast<QDialog*>(window)->reject();
      }
  });
  closer.start(20);
  EXPECT_TRUE(Click("printhtml:b.htm"));
  EXPECT_EQ(previews, 1);
  EXPECT_TRUE(Click("missing.jpg#x", "_Blank"));
  EXPECT_EQ(Viewer(0)->History, history);
}

TEST_F(LinkClickedTest, CopyIntoTheInstallFolderButNeverOutOfIt) {
  book_.File("man/soft/setup.exe", "setup");
  book_.File("secret.txt", "secret");
  TempDir install;
  form_->PathInput->Box(0)->setText(FromCp1251(HostPath::ToWindows(install.Path() + "/inst/")));

  EXPECT_TRUE(Click("copy:soft\\setup.exe"));
  EXPECT_EQ(Read(install.Path() + "/inst/setup.exe"), "setup");

  // A source above the page's folder is copied under its bare name; a folder is not.
  EXPECT_TRUE(Click("copy:..\\secret.txt"));
  EXPECT_EQ(Read(install.Path() + "/inst/secret.txt"), "secret");
  EXPECT_TRUE(Click("copy:soft/.."));
  EXPECT_TRUE(Click("copy:../"));
  EXPECT_EQ(QDir(install.Path() + "/inst").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            (QStringList{"secret.txt", "setup.exe"}));
  EXPECT_FALSE(QFile::exists(install.Path() + "/secret.txt"));
}

TEST_F(LinkClickedTest, CopyListPutsTheChosenEntryOnTheClipboard) {
  frame_->ShowFile(Page("pics.htm"));
  QGuiApplication::clipboard()->setText("old");
  EXPECT_TRUE(Click("copylist:nothing"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "old");
  EXPECT_TRUE(Click("copylist:SERIALS"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "222-222");
  EXPECT_EQ(FromCp1251(form_->StatusLine->Text()), QStringLiteral("Серийный номер скопирован"));
}

// A page shown from a copy on another drive links to a zip file: the file is taken from the disc,
// offered under its own name, and the folder chosen is offered next time.
TEST_F(LinkClickedTest, ZipFilesComeFromTheDiscAndRememberTheirFolder) {
  TempDir copy;
  const QString copiedPage = copy.Write("man/page.htm", PageBytes("Копия", "<p>Копия</p>"));
  copy.Write("man/data.zip", "copy");
  // The same place below the disc root, where the book's own file lies.
  const std::string copiedName = HostPath::ToWindows(copiedPage);
  ASSERT_NE(copiedName.substr(0, 3), "d:\\");
  const QString below = FromCp1251(copiedName.substr(3)).replace('\\', '/');
  book_.File(QFileInfo(below).path() + "/data.zip", "disc");
  frame_->ShowFile(copiedName);

  TempDir saves;
  QDir::setCurrent(saves.Path());
  Global.LastSaveFolder.clear();
  EXPECT_TRUE(Click("data.zip"));
  EXPECT_EQ(Read(saves.Path() + "/data.zip"), "disc");
  EXPECT_EQ(Global.LastSaveFolder, HostPath::ToWindows(saves.Path() + "/"));

  TempDir other;
  QDir::setCurrent(other.Path());
  EXPECT_TRUE(Click("data.zip"));
  EXPECT_FALSE(QFile::exists(other.Path() + "/data.zip"));
  EXPECT_EQ(Dialogs::TakeRecorded().size(), 2);
}

TEST_F(LinkClickedTest, SoundLinksAndDroppedSoundsPlayInThePagePlayer) {
  book_.File("man/signal.wav", ToneWav(300));
  TSound& player = *form_->PagePlayer;
  EXPECT_TRUE(Click("signal.wav"));
  EXPECT_TRUE(SameName(player.FileName, Page("signal.wav"))) << player.FileName;
  EXPECT_EQ(player.Mode(), TMPMode::mpPlaying);
  EXPECT_EQ(player.EndAction, 4);  // the book has no music to bring back
  EXPECT_TRUE(ProcessEventsUntil([&] { return player.DeviceID() == 0; }, 5000));

  const QString dropped = book_.File("Dropped.WAV", ToneWav(300));
  frame_->WMDropFiles({dropped, book_.File("other.wav", ToneWav(300))});
  EXPECT_TRUE(SameName(player.FileName, HostPath::ToWindows(dropped))) << player.FileName;
  EXPECT_EQ(player.Mode(), TMPMode::mpPlaying);
}

// The desktop sees only files on disk: one held only in the pack goes to the temporary folder
// first, once per run, under its own name.
TEST_F(LinkClickedTest, PackOnlyFilesReachTheDesktopThroughTheTemporaryFolder) {
  TempDir temp, packs;
  Global.TempFolder = HostPath::ToWindows(temp.Path() + "/");
  PackOpenHostFile(WritePack(packs, {{"man/manual.pdf", "pdf in pack"}, {"man/docs/manual.pdf", "another"}}));
  PackSetRoot(Global.ProgramFolder);
  book_.File("man/disk.pdf", "on disk");
  TDesktopRecorder desktop;

  EXPECT_TRUE(Click("manual.pdf"));
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0].toLocalFile(), temp.Path() + "/manual.pdf");
  EXPECT_EQ(Read(temp.Path() + "/manual.pdf"), "pdf in pack");

  // Once per run: the reader's changes to the copy stay.
  QFile copy(temp.Path() + "/manual.pdf");
  ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
  copy.write("read");
  copy.close();
  EXPECT_TRUE(Click("MANUAL.PDF"));
  EXPECT_EQ(desktop.opened.back().toLocalFile(), temp.Path() + "/manual.pdf");
  EXPECT_EQ(Read(temp.Path() + "/manual.pdf"), "read");

  // Another file of that name keeps its name in a folder of its own; files on disk go as
  // they are.
  EXPECT_TRUE(Click("docs/manual.pdf"));
  EXPECT_TRUE(desktop.opened.back().toLocalFile().endsWith("/manual.pdf"));
  EXPECT_NE(desktop.opened.back().toLocalFile(), temp.Path() + "/manual.pdf");
  EXPECT_EQ(Read(desktop.opened.back().toLocalFile()), "another");
  EXPECT_TRUE(Click("disk.pdf"));
  EXPECT_EQ(desktop.opened.back().toLocalFile(), QFileInfo(book_.Folder() + "/man/disk.pdf").absoluteFilePath());
  EXPECT_EQ(desktop.opened.size(), 4u);
  PackClose();
  PackSetRoot("");
}

}  // namespace
