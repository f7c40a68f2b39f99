// The archive browser in the main window: links to archives, listings in the pane, members
// followed, "unarc", archive mode, dropped archives and the dump.

#include "archive/UnRar.h"
#include "platform/HostPath.h"
#include "platform/ui/Dialogs.h"
#include "skin/ArchiveBrowser.h"
#include "support/RarWriter.h"
#include "support/TempDir.h"
#include "support/ui/DialogBook.h"
#include "support/ui/PaneFixture.h"
#include "tools/PathInputBox.h"
#include "windows/CoolDialog.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QTextDocument>

namespace {

QByteArray Read(const QString& host) {
  QFile file(host);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ArchiveBrowserTest : public TPaneTest {
 protected:
  void SetUp() override {
    Global.Unattended = true;
    Dialogs::TakeRecorded();
    Open();
    // Working folders go where this test alone looks.
    Global.TempFolder = HostPath::ToWindows(temp_.MakeFolder("tmp") + "/");
    book_.File("man/tools.rar", EncodeRar4({{"readme.htm", PageBytes("Прочти", "<p>Прочти меня</p>")},
                                            {"docs\\note.txt", "note"},
                                            {"Таблицы\\масла.txt", "oil"}}));
    book_.File("man/arc.htm", PageBytes("Архивы", "<a href=\"tools.rar\">Архив</a>"));
    frame_->ShowFile(Page("arc.htm"));
  }
  bool Click(const QString& url) {
    bool handled = false;
    frame_->LinkClicked(Viewer(0), {}, url, handled);
    return handled;
  }
  TUnRar* UnRar() const { return form_->ArchiveBrowser->UnRar(); }
  QString ListingHost() const { return HostPath::ToHost(UnRar()->ListingFolder()); }

  TempDir temp_;
};

TEST_F(ArchiveBrowserTest, ALinkShowsTheListingAndAMemberFollowedIsExtractedAndShown) {
  EXPECT_EQ(UnRar(), nullptr);
  EXPECT_TRUE(Click("tools.rar"));
  ASSERT_NE(UnRar(), nullptr);
  EXPECT_EQ(Shown(0), Lower(UnRar()->ListingFolder() + "as_tools.rar.htm"));
  EXPECT_TRUE(frame_->IsArchiveMode());
  const THTMLViewer* bottom = Viewer(0)->ViewerOfFrame("Bot");
  ASSERT_NE(bottom, nullptr);
  EXPECT_TRUE(bottom->Document()->toPlainText().contains("readme.htm"));
  EXPECT_TRUE(bottom->Document()->toPlainText().contains("Таблицы"));

  // The member is not there yet: following it extracts the archive into the listing's folder.
  EXPECT_TRUE(Click("readme.htm"));
  EXPECT_EQ(Read(ListingHost() + "docs/note.txt"), "note");
  EXPECT_EQ(Shown(0), Lower(UnRar()->ListingFolder() + "readme.htm"));
  EXPECT_TRUE(frame_->IsArchiveMode());
  EXPECT_FALSE(Global.BusyFlag);

  // Back on the page the archive was opened from, the pane is an ordinary pane again.
  frame_->ShowFile(Page("arc.htm"));
  EXPECT_FALSE(frame_->IsArchiveMode());
  EXPECT_TRUE(Dialogs::TakeRecorded().isEmpty());
}

TEST_F(ArchiveBrowserTest, UnarcExtractsIntoThePathBoxFolderOnlyFromAListing) {
  const QString install = temp_.Path() + "/install";
  form_->PathInput->Box(0)->setText(FromCp1251(HostPath::ToWindows(install + "/")));
  Command("unarc");
  EXPECT_EQ(Dialogs::TakeRecorded(), QStringList{"Выберите файл для распаковки."});

  Click("tools.rar");
  Command("unarc");
  Command("unarc");
  EXPECT_EQ(QDir(install).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"tools.rar", "tools1.rar"}));
  EXPECT_EQ(Read(install + "/tools1.rar/Таблицы/масла.txt"), "oil");
  EXPECT_TRUE(Dialogs::TakeRecorded().isEmpty());
}

TEST_F(ArchiveBrowserTest, WithADialogMessagesGoToItsMessagePage) {
  WriteTestDialog(book_);
  form_.reset();
  form_ = OpenBook(book_);
  ASSERT_TRUE(form_->Dialog);
  Command("unarc");
  EXPECT_TRUE(Dialogs::TakeRecorded().isEmpty());
  EXPECT_TRUE(form_->Dialog->isVisible());
  EXPECT_EQ(form_->Dialog->Page(), TCoolDialog::MessagePage);
  EXPECT_EQ(form_->Dialog->StateForDump()["message"].toString(), "Выберите файл для распаковки.");
}

TEST_F(ArchiveBrowserTest, DroppedArchivesOpenAndBrokenOnesSaySo) {
  const QString broken = temp_.Write("broken.rar", "not an archive");
  frame_->WMDropFiles({broken});
  const QStringList messages = Dialogs::TakeRecorded();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("Файл ") && messages[0].endsWith(" не является RAR архивом."));
  EXPECT_FALSE(frame_->IsArchiveMode());

  const QString good = temp_.Write("Good.RAR", EncodeRar4({{"a.txt", "a"}}));
  frame_->WMDropFiles({good});
  EXPECT_TRUE(frame_->IsArchiveMode());
  EXPECT_TRUE(Shown(0).ends_with("as_good.rar.htm"));
  EXPECT_EQ(UnRar()->SourceDocuments(), std::vector<std::string>{Lower(Page("arc.htm"))});
}

TEST_F(ArchiveBrowserTest, TheDumpTellsTheArchiveShown) {
  QJsonObject archive = form_->StateForDump()["archive"].toObject();
  EXPECT_EQ(archive["name"].toString(), "");
  EXPECT_FALSE(archive["archiveMode"].toBool());

  Click("tools.rar");
  archive = form_->StateForDump()["archive"].toObject();
  EXPECT_EQ(archive["name"].toString(), FromCp1251(UnRar()->ArchiveName()));
  EXPECT_TRUE(archive["name"].toString().endsWith("man\\tools.rar"));
  EXPECT_EQ(archive["listingFolder"].toString(), FromCp1251(UnRar()->ListingFolder()));
  EXPECT_EQ(archive["mainPages"].toArray().size(), 1);
  EXPECT_TRUE(archive["archiveMode"].toBool());
}

TEST_F(ArchiveBrowserTest, TheWorkingFoldersGoWithTheWindow) {
  Click("tools.rar");
  const QString listing = ListingHost();
  EXPECT_TRUE(QDir(listing).exists());
  form_.reset();
  EXPECT_FALSE(QDir(listing).exists());
}

}  // namespace
