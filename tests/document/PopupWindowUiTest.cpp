// The popup lists on their own: a plain window stands in for the main window.

#include "app/Settings.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFavorite.h"
#include "document/PopupHost.h"
#include "document/PopupWindow.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/WindowShape.h"
#include "support/SavedGlobals.h"
#include "support/ui/BookFixture.h"
#include "support/ui/EventLoopWait.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QTest>
#include <QToolTip>

namespace {

const QColor kPanel(20, 30, 120);
const QColor kFirst(200, 0, 0), kSecond(0, 160, 0), kThird(0, 0, 220);
const QColor kHover(250, 250, 0), kPressed(200, 0, 200);
constexpr int kType = 7;

class TListHost : public TPopupHost {
 public:
  QWidget window;
  std::vector<std::string> commands;
  QWidget* Window() override { return &window; }
  THtmlFrame* Pane() override { return nullptr; }
  void RunPopupCommand(const std::string& command) override { commands.push_back(command); }
};

class PopupWindowTest : public ::testing::Test {
 protected:
  PopupWindowTest() {
    HostPath::SetDiscRoot(book_.Folder());
    Global.ProgramFolder = "d:\\";
    Global.BookTitle = "Lists";
    book_.IsolateSettings();
    book_.Picture("fon.bmp", {120, 100}, kPanel);
    // Each position has its own normal picture; the others share one.
    book_.Picture("i1.bmp", {100, 20}, kFirst);
    book_.Picture("i2.bmp", {100, 20}, kSecond);
    book_.Picture("i3.bmp", {100, 20}, kThird);
    book_.Picture("mv.bmp", {100, 20}, kHover);
    book_.Picture("dn.bmp", {100, 20}, kPressed);
    host_.window.setGeometry(0, 0, 400, 300);
  }

  // Three items at 5, 25 and 45, centred in a list 120 wide; margins of 5.
  static RPopupData Declaration(int type = kType) {
    RPopupData d;
    d.xfon = d.yfon = -1;
    d.fnfon = "fon.bmp";
    d.xbtn = -1;
    d.ybtn = 5;
    d.fnbtnup = {"d:\\i1.bmp", "d:\\i2.bmp", "d:\\i3.bmp"};
    d.fnbtnmove = {"d:\\mv.bmp"};
    d.fnbtndown = {"d:\\dn.bmp"};
    d.fontup = d.fontmv = "DejaVu Sans";
    d.sizeup = d.sizemv = 8;
    d.colorup = d.colormv = 0xFFFFFF;
    d.caption = {"A", "B", "C"};
    d.go = {"first", "html2=man\\a.htm", "html=man\\a.htm"};
    d.type = type;
    return d;
  }

  // The lists of screen 0 (`screen0`) and screen 1 (`screen1`); `screen` is shown.
  void Build(TPopupData screen0, TPopupData screen1 = {}, int screen = 0) {
    popups_ = std::make_unique<TControlPopupWindow>(host_, std::vector<TPopupData>{screen0, screen1}, screen);
  }

  TPopupWindow* List(int type = kType) const { return popups_->List(type); }
  static QColor Pixel(QWidget* list, QPoint at) { return list->grab().toImage().pixelColor(at); }
  static void Click(TPopupWindow* list, int item) {
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, list->Items()[item]->Bounds.center());
  }

  TSavedGlobals saved_;
  TBookFixture book_;
  TListHost host_;
  std::unique_ptr<TControlPopupWindow> popups_;
};

TEST_F(PopupWindowTest, HiddenItemsLeaveNoGapAndTheListFitsItsItems) {
  Build({Declaration()});
  TPopupWindow* list = List();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Items().size(), 3u);
  EXPECT_EQ(list->Items()[1]->Bounds, QRect(10, 25, 100, 20));
  EXPECT_EQ(list->size(), QSize(120, 70));

  popups_->SetItemShown(false, kType, 1);
  EXPECT_EQ(list->Items()[2]->Bounds.topLeft(), QPoint(10, 25));
  EXPECT_EQ(list->size(), QSize(120, 50));
  EXPECT_EQ(list->Background().height(), 50);

  popups_->Popup(kType, QPoint(100, 100));
  ASSERT_TRUE(list->IsOpen());
  EXPECT_FALSE(list->isActiveWindow());
  EXPECT_NE(QApplication::focusWidget(), list);
  EXPECT_EQ(Pixel(list, {12, 30}), kThird);
  EXPECT_EQ(Pixel(list, {5, 30}), kPanel);

  popups_->SetItemShown(true, kType, 1);
  EXPECT_EQ(list->height(), 70);
  EXPECT_EQ(Pixel(list, {12, 30}), kSecond);
  EXPECT_EQ(Pixel(list, {12, 50}), kThird);
  EXPECT_EQ(Pixel(list, {60, 67}), kPanel);  // the grown bottom band

  // Operations on other types or past the end change nothing.
  popups_->SetItemShown(false, kType, 3);
  popups_->SetItem("X", "x", 5, kType);
  popups_->SetItemShown(false, 99, 0);
  EXPECT_EQ(list->Items().size(), 3u);
  EXPECT_EQ(list->height(), 70);
}

TEST_F(PopupWindowTest, AWideCaptionIsShortenedAndBecomesTheHint) {
  RPopupData d = Declaration();
  const QString wide = QStringLiteral("Снятие и установка головки блока цилиндров");
  d.caption = {"A", ToCp1251(wide), "C"};
  Build({d});
  TPopupWindow* list = List();
  const TItemsBtn& shortOne = *list->Items()[0];
  const TItemsBtn& longOne = *list->Items()[1];
  EXPECT_TRUE(shortOne.Hint().isEmpty());
  EXPECT_EQ(longOne.Caption(), wide);
  EXPECT_EQ(longOne.Hint(), wide);

  // The text stops short of the last 7 pixels; the box before them has text in it.
  bool text = false;
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 20; ++y) {
      const bool plain = longOne.Normal.pixelColor(x, y) == kSecond;
      if (x >= 93) {
        EXPECT_TRUE(plain) << x << "," << y;
      }
      if (!plain) text = true;
    }
  EXPECT_TRUE(text);

  popups_->Popup(kType, QPoint(50, 50));
  QHelpEvent help(QEvent::ToolTip, longOne.Bounds.center(), list->mapToGlobal(longOne.Bounds.center()));
  QApplication::sendEvent(list, &help);
  EXPECT_EQ(QToolTip::text(), wide);
  QToolTip::hideText();
}

TEST_F(PopupWindowTest, AListNearTheDesktopsCornerStaysOnIt) {
  Build({Declaration()});
  TPopupWindow* list = List();
  const QRect desktop = QGuiApplication::primaryScreen()->geometry();
  popups_->Popup(kType, desktop.bottomRight() - QPoint(5, 5));
  EXPECT_EQ(list->pos(), desktop.bottomRight() + QPoint(1, 1) - QPoint(120, 70));
  popups_->CloseAll();
  popups_->Popup(kType, desktop.topLeft() - QPoint(50, 50));
  EXPECT_EQ(list->pos(), desktop.topLeft());
  popups_->CloseAll();

  // The back list opens left of the point; a fixed place counts from the main window.
  Build({Declaration(ptHistoryBack)});
  popups_->SetItem("A", "history=1", 0, ptHistoryBack);
  popups_->SetItemShown(true, ptHistoryBack, 0);
  popups_->Popup(ptHistoryBack, QPoint(300, 200));
  EXPECT_EQ(List(ptHistoryBack)->pos(), QPoint(180, 200));
  RPopupData fixed = Declaration();
  fixed.xfon = 30;
  host_.window.move(100, 50);
  Build({fixed});
  popups_->Popup(kType, QPoint(300, 200));
  EXPECT_EQ(List()->pos(), QPoint(host_.window.mapToGlobal(QPoint(30, 0)).x(), 200));
}

TEST_F(PopupWindowTest, OnTheReadingScreenAListSlidesInUnlessOpenedAgainAtOnce) {
  Build({}, {Declaration()}, 1);
  TPopupWindow* list = List();
  popups_->Popup(kType, QPoint(100, 100));
  EXPECT_TRUE(list->Sliding());
  popups_->CloseAll();
  EXPECT_FALSE(list->Sliding());
  popups_->Popup(kType, QPoint(100, 100));
  EXPECT_FALSE(list->Sliding()) << "opened again within 250 ms";
  EXPECT_TRUE(list->mask().isEmpty());

  ProcessEventsFor(300);
  popups_->CloseAll();
  popups_->Popup(kType, QPoint(100, 100));
  EXPECT_TRUE(list->Sliding());
  ASSERT_TRUE(ProcessEventsUntil([&] { return !list->Sliding(); }, 2000));
  EXPECT_EQ(list->pos(), QPoint(100, 100));
  EXPECT_TRUE(list->mask().isEmpty());
}

TEST_F(PopupWindowTest, OnTheTitleScreenAListTakesItsPolygon) {
  RPopupData d = Declaration();
  d.vertex = {{10, 0}, {120, 0}, {120, 70}, {0, 70}, {0, 10}};
  Build({d});
  TPopupWindow* list = List();
  EXPECT_EQ(list->height(), 100) << "a shaped list keeps its picture's height";
  popups_->Popup(kType, QPoint(100, 100));
  EXPECT_FALSE(list->Sliding());
  EXPECT_EQ(list->mask(), WindowShape::PolygonRegion(d.vertex));
  popups_->CloseAll();
  EXPECT_TRUE(list->mask().isEmpty());
}

TEST_F(PopupWindowTest, AClickClosesTheListAndRunsTheCommandAfterwards) {
  Build({Declaration()});
  TPopupWindow* list = List();
  popups_->Popup(kType, QPoint(100, 100));
  QTest::mouseMove(list, list->Items()[0]->Bounds.center());
  EXPECT_TRUE(list->Items()[0]->Hover);
  EXPECT_EQ(Pixel(list, {12, 10}), kHover);
  QTest::mouseMove(list, list->Items()[1]->Bounds.center());
  EXPECT_FALSE(list->Items()[0]->Hover);
  EXPECT_TRUE(list->Items()[1]->Hover);

  Click(list, 1);
  EXPECT_FALSE(list->IsOpen());
  EXPECT_FALSE(list->Items()[1]->Hover);
  EXPECT_TRUE(host_.commands.empty()) << "the command waits for the click's own events";
  ProcessEventsFor(20);
  // "html2=..." has no "html" head: the dispatcher shows it. "html=..." is the pane's, and
  // this host has no pane.
  EXPECT_EQ(host_.commands, std::vector<std::string>{"html2=man\\a.htm"});
  popups_->Popup(kType, QPoint(100, 100));
  Click(list, 2);
  ProcessEventsFor(20);
  EXPECT_EQ(host_.commands.size(), 1u);
}

TEST_F(PopupWindowTest, DeleteModeRemovesFavouritesAndClosesWhenTheLastGoes) {
  {
    TBookSettings settings;
    settings.WriteString(Settings::Name(Settings::Favorite, 0), "{A}htmlpos=d:\\a.htm=10");
    settings.WriteString(Settings::Name(Settings::Favorite, 2), "{C}htmlpos=d:\\c.htm=30");
  }
  Build({}, {Declaration(ptFavorite)}, 1);
  TPopupWindow* list = List(ptFavorite);
  ASSERT_EQ(list->Items().size(), 2u);
  EXPECT_EQ(list->Items()[1]->Caption(), "C");
  EXPECT_EQ(list->Items()[1]->Command, "htmlpos=d:\\c.htm=30");

  popups_->Popup(ptFavoriteDelete, QPoint(100, 100));
  ASSERT_TRUE(ProcessEventsUntil([&] { return !list->Sliding(); }, 2000));
  EXPECT_TRUE(list->DeleteMode);
  Click(list, 0);
  EXPECT_TRUE(list->IsOpen());
  EXPECT_TRUE(list->DeleteMode);
  ASSERT_EQ(list->Items().size(), 1u);
  EXPECT_EQ(list->Items()[0]->Caption(), "C");
  EXPECT_EQ(list->height(), 30);
  EXPECT_EQ(TBookSettings().ReadString(Settings::Name(Settings::Favorite, 0)), "{C}htmlpos=d:\\c.htm=30");

  Click(list, 0);
  EXPECT_FALSE(list->IsOpen());
  EXPECT_FALSE(list->DeleteMode);
  EXPECT_TRUE(popups_->Favorites()->Favorites().empty());
  for (int i = 0; i < kMaxFavorites; ++i)
    EXPECT_FALSE(TBookSettings().ReadString(Settings::Name(Settings::Favorite, i))) << i;
  ProcessEventsFor(20);
  EXPECT_TRUE(host_.commands.empty());
  // With nothing in it the list does not open.
  popups_->Popup(ptFavorite, QPoint(100, 100));
  EXPECT_FALSE(list->IsOpen());
}

TEST(PopupBackground, BandsMoveAndTheMiddleRowFillsWhatIsGained) {
  QImage picture(4, 20, QImage::Format_RGB32);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 4; ++x) picture.setPixel(x, y, qRgb(y * 10, 0, 0));
  const auto row = [](const QImage& image, int y) { return qRed(image.pixel(1, y)) / 10; };

  const QImage grown = AdaptBackground(picture, 30, 3);
  ASSERT_EQ(grown.height(), 30);
  EXPECT_EQ(row(grown, 16), 16);
  for (int y = 17; y < 27; ++y) EXPECT_EQ(row(grown, y), 10) << y;
  EXPECT_EQ(row(grown, 27), 17);
  EXPECT_EQ(row(grown, 29), 19);

  const QImage shrunk = AdaptBackground(picture, 12, 3);
  ASSERT_EQ(shrunk.height(), 12);
  EXPECT_EQ(row(shrunk, 8), 8);
  EXPECT_EQ(row(shrunk, 9), 17);
  EXPECT_EQ(row(shrunk, 11), 19);
}

}  // namespace
