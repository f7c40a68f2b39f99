#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/Registry.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "tools/PathInputBox.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <memory>
#include <optional>

namespace {

RPathInput Path(int screen, int top, const QString& pathdef) {
  RPathInput r;
  r.screen = screen;
  r.vx = 10;
  r.vy = top;
  r.vw = 210;
  r.vh = top + 20;
  r.pathdef = ToCp1251(pathdef);
  r.hint = ToCp1251(u"Папка установки");
  return r;
}

// Screen 0 has two boxes, screen 1 one, screen 2 none.
const TDynamicPathInputArray kPaths{Path(0, 20, QStringLiteral("c:\\first")), Path(0, 50, QStringLiteral("c:\\second")),
                                    Path(1, 20, QStringLiteral("d:\\other\\"))};

class PathInputBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Global.SettingsFolder = store_.Path();
    Global.BookTitle = ToCp1251(u"Книга путей");
    Global.CurrentScreen = 0;
  }

  TRegistry Settings() const {
    TRegistry registry;
    registry.OpenKey("SOFTWARE\\Velquist\\" + Global.BookTitle, true);
    return registry;
  }

  std::unique_ptr<TPathInputBox> Make() {
    return std::make_unique<TPathInputBox>(&window_, kPaths, Global.CurrentScreen,
                                           [this](QPoint at) { moves_.push_back(at); });
  }

  static std::string Text(const TPathInputBox& boxes, int i) { return ToCp1251(boxes.Box(i)->text()); }
  static std::vector<bool> Hidden(const TPathInputBox& boxes) {
    std::vector<bool> hidden;
    for (int i = 0; i < boxes.BoxCount(); ++i) hidden.push_back(boxes.Box(i)->isHidden());
    return hidden;
  }

  TSavedGlobals saved_;
  TempDir store_;
  QWidget window_;
  std::vector<QPoint> moves_;
};

}  // namespace

TEST_F(PathInputBoxTest, BoxesAreBorderlessChildrenAtTheirPlace) {
  const auto boxes = Make();
  ASSERT_EQ(boxes->BoxCount(), 3);
  const QLineEdit* box = boxes->Box(1);
  EXPECT_EQ(box->parentWidget(), &window_);
  EXPECT_FALSE(box->hasFrame());
  EXPECT_EQ(box->geometry(), QRect(10, 50, 200, 20));
  // The whole line of text, not just the letters, fits the 19 pixels under the top edge.
  EXPECT_LE(QFontMetrics(box->font()).height(), 19);
  EXPECT_GT(QFontMetrics(box->font()).height(), 14);
  EXPECT_EQ(box->toolTip(), QStringLiteral("Папка установки"));
  EXPECT_EQ(boxes->BoxScreen(2), 1);
}

TEST_F(PathInputBoxTest, StoredTextBeatsTheDefaultUnlessEmpty) {
  TRegistry registry = Settings();
  registry.WriteString("PathInstall0", ToCp1251(u"e:\\Книги"));
  registry.WriteString("PathInstall1", "");
  const auto boxes = Make();
  EXPECT_EQ(Text(*boxes, 0), ToCp1251(u"e:\\Книги"));
  EXPECT_EQ(Text(*boxes, 1), "c:\\second");
  EXPECT_EQ(Text(*boxes, 2), "d:\\other\\");
}

TEST_F(PathInputBoxTest, ScreensShowTheirOwnBoxes) {
  const auto boxes = Make();
  EXPECT_EQ(boxes->LastScreen(), 0);
  EXPECT_EQ(Hidden(*boxes), (std::vector<bool>{false, false, true}));

  boxes->ScreenChanged(0);  // the same screen again
  EXPECT_EQ(Hidden(*boxes), (std::vector<bool>{false, false, true}));

  boxes->ScreenChanged(1);
  EXPECT_EQ(Hidden(*boxes), (std::vector<bool>{true, true, false}));

  boxes->HideBoxes(true);
  EXPECT_EQ(Hidden(*boxes), (std::vector<bool>{true, true, true}));
  boxes->HideBoxes(false);
  EXPECT_EQ(Hidden(*boxes), (std::vector<bool>{true, true, false}));

  boxes->ScreenChanged(2);
  EXPECT_EQ(Hidden(*boxes), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(boxes->LastScreen(), 2);
}

TEST_F(PathInputBoxTest, GetPathTakesTheFirstBoxOfTheScreenWithABackslash) {
  const auto boxes = Make();
  boxes->Box(0)->setText(QStringLiteral("f:\\Установка"));
  struct Case {
    int screen;
    std::string expected;
  };
  for (const Case& c : {Case{0, ToCp1251(u"f:\\Установка\\")}, Case{1, "d:\\other\\"}, Case{2, "unchanged"}}) {
    SCOPED_TRACE(c.screen);
    boxes->ScreenChanged(c.screen);
    std::string path = "unchanged";
    boxes->GetPath(path);
    EXPECT_EQ(path, c.expected);
  }
}

TEST_F(PathInputBoxTest, MouseMovesReachTheWindowAsNoPosition) {
  const auto boxes = Make();
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(15, 25), QPointF(15, 25), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(boxes->Box(0), &move);
  EXPECT_EQ(moves_, (std::vector<QPoint>{QPoint(-1, -1)}));
}

TEST_F(PathInputBoxTest, DestructionStoresEveryText) {
  auto boxes = Make();
  boxes->Box(2)->setText(QStringLiteral("g:\\Новая папка"));
  boxes.reset();
  EXPECT_TRUE(window_.findChildren<QLineEdit*>().isEmpty());

  const TRegistry registry = Settings();
  EXPECT_EQ(registry.ReadString("PathInstall0"), std::optional<std::string>("c:\\first"));
  EXPECT_EQ(registry.ReadString("PathInstall1"), std::optional<std::string>("c:\\second"));
  EXPECT_EQ(registry.ReadString("PathInstall2"), std::optional<std::string>(ToCp1251(u"g:\\Новая папка")));
}
