// The main window among other windows of its book, all in this process: messages it takes,
// its help and its exit. Separate processes: InstancesUiTest.cpp.

#include "app/ui/OtherInstances.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/WindowBus.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/PaneFixture.h"
#include "support/ui/ProgramRecorder.h"
#include "windows/InstanceMessages.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

namespace {

using namespace OtherInstances;

class InstanceMessagesTest : public TPaneTest {
 protected:
  // A window of another program that records what it gets and closes on WM_CLOSE.
  struct TOtherWindow {
    explicit TOtherWindow(const QString& caption) {
      widget.setWindowTitle(caption);
      widget.show();
      WindowBus().SetHandler(&widget, [this](const TBusMessage& m) -> std::optional<qint64> {
        got.push_back(m);
        return std::nullopt;
      });
    }
    QWidget widget;
    std::vector<TBusMessage> got;
  };

  void Send(const TInstanceMessage& message, QWidget* sender) {
    SendCopyDataToWindow(WindowBus().HandleOf(form_.get()), message, sender);
  }
  void SendBytes(const QByteArray& bytes, QWidget* sender) {
    WindowBus().SendMessage(WindowBus().HandleOf(form_.get()), {WM_COPYDATA, WindowBus().HandleOf(sender), 0, bytes});
  }
  static TInstanceMessage PrintRecord(const std::vector<std::pair<uint32_t, std::string>>& items) {
    TInstanceMessage record;
    record.Kind = 1;
    record.Count = static_cast<uint16_t>(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      record.Codes[i] = items[i].first;
      record.Texts[i] = items[i].second;
    }
    return record;
  }
};

TEST_F(InstanceMessagesTest, ClosingTheMainWindowClosesTheBooksOtherWindowsBeforeItFolds) {
  Open();
  TOtherWindow pictureA(kPictureCaption), pictureB(kPictureCaption), thesaurus(kThesaurusCaption),
      diagram(kDiagramCaption), helpViewer(QStringLiteral("Help Topics: Ormantel"));
  QSignalSpy ended(form_.get(), &TMainForm::TerminateApplication);

  form_->close();
  for (TOtherWindow* other : {&pictureA, &pictureB, &thesaurus, &diagram, &helpViewer}) {
    ASSERT_EQ(other->got.size(), 1u) << other->widget.windowTitle().toStdString();
    EXPECT_EQ(other->got[0].number, WM_CLOSE);
    EXPECT_FALSE(other->widget.isVisible());
  }
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(form_->ClosingRunning()) << "the window folds away after the others have gone";
  EXPECT_TRUE(ProcessEventsUntil([&] { return ended.count() > 0; }, 20000));
}

TEST_F(InstanceMessagesTest, AWindowThatStaysIsAskedOnce) {
  Open();
  QWidget stubborn;
  stubborn.setWindowTitle(kDiagramCaption);
  stubborn.show();
  int asked = 0;
  WindowBus().SetHandler(&stubborn, [&](const TBusMessage&) -> std::optional<qint64> {
    ++asked;
    return 0;  // taken, and the window stays
  });
  form_->close();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(form_->ClosingRunning());
}

TEST_F(InstanceMessagesTest, APrintRequestIsKeptAndAFaultySizeDropsIt) {
  Open();
  QWidget sender;
  Send(PrintRecord({{0, "c:\\tmp\\scheme.bmp"}, {1, " 640"}, {2, "-480"}}), &sender);
  ASSERT_TRUE(form_->Instances()->PrintRequest());
  EXPECT_EQ(form_->Instances()->PrintRequest()->file, "c:\\tmp\\scheme.bmp");
  EXPECT_EQ(form_->Instances()->PrintRequest()->width, 640);
  EXPECT_EQ(form_->Instances()->PrintRequest()->height, -480);
  // Other codes are passed over; what a request leaves out stays from the one before.
  Send(PrintRecord({{7, "ignored"}, {2, "480"}}), &sender);
  EXPECT_EQ(form_->Instances()->PrintRequest()->file, "c:\\tmp\\scheme.bmp");
  EXPECT_EQ(form_->Instances()->PrintRequest()->height, 480);

  for (const char* faulty : {"12px", "", "0x20", "99999999999"}) {
    Send(PrintRecord({{0, "c:\\tmp\\other.bmp"}, {1, faulty}}), &sender);
    EXPECT_EQ(form_->Instances()->PrintRequest()->file, "c:\\tmp\\scheme.bmp") << faulty;
  }
  // Count says how many items count.
  TInstanceMessage record = PrintRecord({{2, "100"}, {1, "bad"}});
  record.Count = 1;
  Send(record, &sender);
  EXPECT_EQ(form_->Instances()->PrintRequest()->height, 100);
  EXPECT_EQ(form_->Instances()->PrintRequest()->width, 640);
}

TEST_F(InstanceMessagesTest, StrayAndDamagedRecordsChangeNothing) {
  Open();
  QWidget sender;
  const std::string shown = Viewer(0)->CurrentFile();
  const std::string good = TInstanceMessage::Make(TInstanceKind::OpenPage, "man\\c.htm").Encode();
  std::string damaged = good;
  std::fill(damaged.begin() + 16, damaged.begin() + 16 + 274, 'x');
  std::string otherKind = good;
  otherKind[0] = 2;
  for (const std::string& bytes : {std::string(), good.substr(0, 100), good + "x", damaged, otherKind})
    SendBytes(QByteArray::fromStdString(bytes), &sender);
  WindowBus().SendMessage(WindowBus().HandleOf(form_.get()), {4242, 1, 0, QByteArray("junk")});
  ProcessEventsFor(20);
  EXPECT_EQ(Viewer(0)->CurrentFile(), shown);
  EXPECT_EQ(Global.CurrentScreen, 0);
  EXPECT_FALSE(form_->Instances()->PrintRequest());
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(InstanceMessagesTest, APageOpensOnTheReadingScreenAndTheSenderLearnsTheWindow) {
  Open();
  TOtherWindow diagram(kDiagramCaption);
  Send(TInstanceMessage::Make(TInstanceKind::OpenPage, "man\\d.htm"), &diagram.widget);
  EXPECT_EQ(Global.CurrentScreen, 1) << "the message runs screen2= with the page";
  ProcessEventsUntil([&] { return !diagram.got.empty(); }, 2000);
  ASSERT_EQ(diagram.got.size(), 1u);
  EXPECT_EQ(diagram.got[0].number, 1690u);
  EXPECT_EQ(diagram.got[0].wParam, WindowBus().HandleOf(form_.get()));

  // On the reading screen a page of the same bare name is not loaded again.
  Viewer(1)->LoadFromFile(Page("c.htm"));
  const size_t entries = Viewer(1)->History.size();
  Send(TInstanceMessage::Make(TInstanceKind::OpenPage, "C.HTM"), &diagram.widget);
  EXPECT_EQ(Viewer(1)->History.size(), entries);
  Send(TInstanceMessage::Make(TInstanceKind::OpenPage, "man\\e.htm"), &diagram.widget);
  EXPECT_EQ(Lower(Viewer(1)->CurrentFile()), Lower(Page("e.htm")));
  ProcessEventsUntil([&] { return diagram.got.size() == 3; }, 2000);
  EXPECT_EQ(diagram.got.size(), 3u);
}

class HelpTest : public InstanceMessagesTest {
 protected:
  void OpenWithHelp(const QString& helpFile) {
    TTestSkinCommands commands;
    commands.extraLines << "helpwin vw=0; vh=0; fn=" + helpFile;
    Global.ProgramFile = recorder_.Program();
    Global.Unattended = true;
    Open(commands);
  }
  TProgramRecorder recorder_;
};

TEST_F(HelpTest, F1ShowsTheScreensTopicOfAnHtmlHelpInAHelpWindow) {
  OpenWithHelp("help.htm");
  QTest::keyClick(form_.get(), Qt::Key_F1);
  const QStringList arguments = recorder_.Arguments();
  ASSERT_GE(arguments.size(), 2);
  EXPECT_EQ(arguments.mid(arguments.size() - 2),
            (QStringList{FromCp1251(Global.ProgramFolder) + QStringLiteral("help.htm#Topic12"), QStringLiteral("/h")}));
}

TEST_F(HelpTest, AnotherInstancesHelpRequestIsF1OnTheReadingScreen) {
  OpenWithHelp("help.htm");
  Command("screen2");
  WindowBus().PostMessage(WindowBus().HandleOf(form_.get()), {1226, 0, 0, {}});
  const QStringList arguments = recorder_.Arguments();
  ASSERT_GE(arguments.size(), 2);
  EXPECT_TRUE(arguments[arguments.size() - 2].endsWith(QStringLiteral("help.htm#Topic13")));
}

TEST_F(HelpTest, AWindowsHelpFileCannotBeShownHere) {
  OpenWithHelp("book.hlp");
  Dialogs::TakeRecorded();
  QTest::keyClick(form_.get(), Qt::Key_F1);
  const QStringList messages = Dialogs::TakeRecorded();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("book.hlp")));
  ProcessEventsFor(200);
  EXPECT_FALSE(recorder_.Started());
}

}  // namespace
