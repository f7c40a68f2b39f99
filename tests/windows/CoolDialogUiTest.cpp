#include "windows/CoolDialog.h"

#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "app/Settings.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/DialogBook.h"
#include "support/ui/EventLoopWait.h"
#include "tools/Captions.h"
#include "tools/EffCar.h"
#include "tools/MyControl.h"
#include "windows/DialogHost.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QTest>

using namespace DialogColors;

namespace {

const QRect kMainWindow(100, 100, 800, 600);

// Records what the dialog asks of the main window.
struct TFakeHost : TDialogHost {
  QStringList calls;
  TSearchResults results;

  QRect MainWindowRect() override { return kMainWindow; }
  void DialogKeyDown(int key, Qt::KeyboardModifiers) override { calls << QStringLiteral("key %1").arg(key); }
  void PlayButtonSound(const std::string& sound) override { calls << "sound " + QString::fromStdString(sound); }
  void PaintDialogTexts(QPainter&) override {}
  const TSearchResults& SearchResults() override { return results; }
  void StopSearch() override { calls << "stop"; }
  void SetIndexMode() override { calls << "index"; }
  void SetContentsMode() override { calls << "contents"; }
  void SetAllFiles(bool flag) override { calls << QStringLiteral("all %1").arg(flag); }
  void FindNext(int number) override { calls << QStringLiteral("find %1").arg(number); }
  void PlaceSearchFields(QWidget*, bool searchPage) override { calls << QStringLiteral("fields %1").arg(searchPage); }
  void HideSearchFields(bool hide) override { calls << QStringLiteral("hide %1").arg(hide); }
  void PrepareProgressBar() override { calls << "bar"; }
  void OpenResult(const std::string& file) override { calls << "open " + QString::fromStdString(file); }
  void DialogClosed() override { calls << "closed"; }

  QStringList Take() {
    QStringList taken;
    taken.swap(calls);
    return taken;
  }
};

class CoolDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PackClose();
    WriteTestDialog(book_);
    book_.IsolateSettings();
    ApplyFolders(ComputeFolders(book_.Folder()));
    Global.BookTitle = ToCp1251(QStringLiteral("Диалог"));
    dialog_ = TCoolDialog::Create(host_, nullptr);
    ASSERT_TRUE(dialog_);
  }

  void Show(int page, const QString& message = {}) {
    dialog_->ShowPage(page, ToCp1251(message));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !dialog_->FadeRunning(); }));
  }

  QColor Pixel(int x, int y) const { return dialog_->grab().toImage().pixelColor(x, y); }

  void Click(QPoint at) { QTest::mouseClick(dialog_.get(), Qt::LeftButton, Qt::NoModifier, at); }

  std::vector<bool> SearchSwitches() const {
    std::vector<bool> states;
    for (const RSwthGrp& s : dialog_->Pages()[TCoolDialog::SearchPage].switches) states.push_back(s.state);
    return states;
  }

  TSavedGlobals saved_;
  TBookFixture book_;
  TFakeHost host_;
  std::unique_ptr<TCoolDialog> dialog_;
};

TEST_F(CoolDialogTest, AShortMessageIsCentredOnAPageCentredOnTheMainWindow) {
  Show(TCoolDialog::MessagePage, "Да");
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(dialog_->geometry(), QRect(100 + 400 - 150, 100 + 300 - 75, 300, 150));
  EXPECT_EQ(Pixel(150, 5), kMessagePage);
  for (int x : {10, 130, 250}) EXPECT_EQ(Pixel(x + 20, 120), kButtonUp) << x;
  EXPECT_EQ(host_.Take(), (QStringList{"fields 0", "hide 1", "hide 0"}));
}

TEST_F(CoolDialogTest, AWideMessageWidensThePageAndMovesTheButtons) {
  const QString message(60, QChar(u'Ш'));
  const QImage probe(1, 1, QImage::Format_RGB32);
  const int width = QFontMetrics(CaptionFont("DejaVu Sans", 10, fsBold), &probe).horizontalAdvance(message);
  const int extra = width - 200;
  ASSERT_GT(extra, 100);
  Show(TCoolDialog::MessagePage, message);
  EXPECT_EQ(dialog_->size(), QSize(300 + extra, 150));
  EXPECT_EQ(dialog_->x(), 500 - (300 + extra) / 2);
  // Left stays, middle moves by half the overflow, right by all of it; the page between its
  // two halves repeats its middle column.
  const QImage shot = dialog_->grab().toImage();
  EXPECT_EQ(shot.pixelColor(11, 111), kButtonUp);
  EXPECT_EQ(shot.pixelColor(130 + extra / 2 + 1, 111), kButtonUp);
  EXPECT_EQ(shot.pixelColor(130 + extra / 2 - 1, 111), kMessagePage);
  EXPECT_EQ(shot.pixelColor(250 + extra + 1, 111), kButtonUp);
  EXPECT_EQ(shot.pixelColor(250 + extra - 1, 111), kMessagePage);
  EXPECT_EQ(shot.pixelColor(150 + extra / 2, 140), kMessagePage);
  // The message starts at the area's left edge.
  bool inked = false;
  for (int x = 20; x < 24 && !inked; ++x)
    for (int y = 30; y < 45; ++y) inked = inked || shot.pixelColor(x, y) != kMessagePage;
  EXPECT_TRUE(inked);
}

TEST_F(CoolDialogTest, EnterClosesEveryPageButTheSearchPageAndEscGoesToTheMainWindow) {
  Show(TCoolDialog::MessagePage, "x");
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_TRUE(host_.Take().contains(QStringLiteral("key %1").arg(int(Qt::Key_Escape))));
  QTest::keyClick(dialog_.get(), Qt::Key_Return);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_TRUE(host_.Take().contains("closed"));

  Show(TCoolDialog::SearchPage);
  QTest::keyClick(dialog_.get(), Qt::Key_Return);
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(CoolDialogTest, SwitchesOfAGroupTakeTurnsAndOtherGroupsStayAsTheyAre) {
  Show(TCoolDialog::SearchPage);
  // The stored mode runs again: index mode, and without results the page is cut.
  EXPECT_EQ(host_.Take(), (QStringList{"fields 1", "bar", "index", "hide 1", "hide 0"}));
  EXPECT_EQ(dialog_->height(), TCoolDialog::CutHeight);
  EXPECT_EQ(Pixel(40, 50), kSwitchDn);

  Click({40, 50});  // already on
  EXPECT_TRUE(host_.Take().isEmpty());
  Click({110, 50});
  EXPECT_EQ(host_.Take(), QStringList{"all 0"});
  EXPECT_EQ(SearchSwitches(), (std::vector<bool>{false, true, false, false, false}));
  Click({280, 50});
  EXPECT_EQ(host_.Take(), QStringList{"find 8"});
  EXPECT_EQ(SearchSwitches(), (std::vector<bool>{false, true, false, true, false}));
  Click({180, 50});
  EXPECT_EQ(host_.Take(), QStringList{"contents"});
  EXPECT_EQ(SearchSwitches(), (std::vector<bool>{false, false, true, true, false}));
}

TEST_F(CoolDialogTest, StoredSwitchesKeepTheirStateAcrossARestartAndRunAgain) {
  Show(TCoolDialog::SearchPage);
  Click({110, 50});
  Click({350, 210});  // "no" closes
  EXPECT_FALSE(dialog_->isVisible());
  const TBookSettings settings;
  EXPECT_EQ(settings.ReadBool("SwGrpD10"), false);
  EXPECT_EQ(settings.ReadBool("SwGrpD11"), true);
  EXPECT_EQ(settings.ReadBool("SwGrpD13"), std::nullopt);  // not stored

  dialog_ = TCoolDialog::Create(host_, nullptr);
  host_.Take();
  Show(TCoolDialog::SearchPage);
  EXPECT_EQ(SearchSwitches(), (std::vector<bool>{false, true, false, false, false}));
  EXPECT_TRUE(host_.Take().contains("all 0"));
  EXPECT_EQ(dialog_->height(), 250);
}

TEST_F(CoolDialogTest, ResultsRestoreTheFullHeightAndOpenTheirPage) {
  Show(TCoolDialog::SearchPage);
  ASSERT_EQ(dialog_->height(), TCoolDialog::CutHeight);
  host_.results.Files = {"man\\a.htm", "b.htm"};
  host_.results.Titles = {ToCp1251(QStringLiteral("Первая")), "B"};
  dialog_->ShowResults(host_.results);
  EXPECT_EQ(dialog_->height(), 250);
  QListWidget* list = dialog_->ResultList();
  ASSERT_TRUE(list);
  EXPECT_EQ(list->geometry(), QRect(11, 127, 377, 112));
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "Первая");
  host_.Take();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(host_.Take(), QStringList{"open b.htm"});

  dialog_->ShowResults({});
  EXPECT_EQ(dialog_->height(), TCoolDialog::CutHeight);
  EXPECT_FALSE(dialog_->ResultList());
}

TEST_F(CoolDialogTest, ASearchCommandDuringABusySearchStopsIt) {
  Show(TCoolDialog::SearchPage);
  host_.Take();
  Global.BusyFlag = true;
  EXPECT_FALSE(dialog_->RunDialogCommand("findnext1", "click.wav"));
  EXPECT_EQ(host_.Take(), QStringList{"stop"});
  Global.BusyFlag = false;
  EXPECT_FALSE(dialog_->RunDialogCommand("findnext1", "click.wav"));
  EXPECT_EQ(host_.Take(), (QStringList{"sound click.wav", "find 1"}));
  EXPECT_TRUE(dialog_->RunDialogCommand("yes", "no"));
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(CoolDialogTest, TheMouseIsIgnoredWhileTheDialogFadesIn) {
  dialog_->ShowPage(TCoolDialog::SearchPage);
  ASSERT_TRUE(dialog_->FadeRunning());
  Click({110, 50});
  EXPECT_EQ(SearchSwitches()[1], false);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !dialog_->FadeRunning(); }));
  Click({110, 50});
  EXPECT_EQ(SearchSwitches()[1], true);
}

TEST_F(CoolDialogTest, PagesWithoutAPictureAreNotShown) {
  dialog_->ShowPage(7);
  dialog_->ShowPage(-1);
  EXPECT_FALSE(dialog_->isVisible());
  QFile::remove(book_.Folder() + "/d_note.bmp");
  dialog_->ShowPage(TCoolDialog::NoPrinterPage);
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(CoolDialogTest, AMissingOrDamagedDescriptionMeansNoDialog) {
  book_.File("Dialog.txt", "1_picture=a.bmp\r\n_button 1; vx=1; vy=2\r\n");
  EXPECT_FALSE(TCoolDialog::Create(host_, nullptr));
  QFile::remove(book_.Folder() + "/Dialog.txt");
  EXPECT_FALSE(TCoolDialog::Create(host_, nullptr));
}

// The fade shows the window over black in 52 steps of alpha 5n; the last two at 255.
TEST(EffCar, BlendsTheWindowInOverWhatWasBehindIt) {
  struct TWindow : QWidget {
    TEffCar* effect = new TEffCar(this);
    std::vector<int> reds;
    void paintEvent(QPaintEvent*) override {
      QPainter painter(this);
      if (effect->Running()) {
        reds.push_back(effect->Frame().pixelColor(0, 0).red());
        painter.drawImage(0, 0, effect->Frame());
      } else {
        painter.fillRect(rect(), QColor(250, 0, 0));
      }
    }
  } window;
  window.resize(20, 10);
  int started = 0, finished = 0;
  window.effect->OnStart = [&] { ++started; };
  window.effect->OnFinish = [&] { ++finished; };
  window.show();
  window.effect->Start(QRect(0, 0, 20, 10), QImage());
  EXPECT_EQ(started, 1);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !window.effect->Running(); }));
  EXPECT_EQ(finished, 1);
  std::vector<int> expected;
  for (int n = 1; n <= 51; ++n) expected.push_back(5 * n * 250 >> 8);
  expected.push_back(255 * 250 >> 8);
  // The first paint may come from showing the window, before any tick.
  std::vector<int> reds = window.reds;
  if (!reds.empty() && reds.front() == 0) reds.erase(reds.begin());
  EXPECT_EQ(reds, expected);
  EXPECT_TRUE(window.effect->Frame().isNull());
}

}  // namespace

// The reader's "Hint" setting, as it is in memory when a page is built.
TEST_F(CoolDialogTest, ButtonHintsFollowTheHintSetting) {
  for (const bool hints : {false, true}) {
    Global.Options.Hint = hints;
    Show(TCoolDialog::MessagePage, "x");
    QStringList shown;
    for (const TMyControl* control : dialog_->findChildren<TMyControl*>())
      if (control->isVisible()) shown << control->toolTip();
    EXPECT_EQ(shown.contains(QStringLiteral("Слева")), hints);
    EXPECT_EQ(shown.join("").isEmpty(), !hints);
  }
}
