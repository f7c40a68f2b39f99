#include "skin/CommandTable.h"

#include "platform/Globals.h"

#include "support/SavedGlobals.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

static void PrintTo(const TCommand& c, std::ostream* out) {
  *out << "{action #" << static_cast<int>(c.action) << ", screen " << c.screen << ", value \"" << c.value
       << "\", rest \"" << c.rest << "\", number " << c.number << ", popupType " << c.popupType << "}";
}

namespace {

using enum TCommandAction;

// An expected classification: the action with the arguments it reads, the rest left unset.
struct Is : TCommand {
  explicit Is(TCommandAction a) { action = a; }
  Is& OnScreen(int s) {
    screen = s;
    return *this;
  }
  Is& Value(std::string v) {
    value = std::move(v);
    return *this;
  }
  Is& Rest(std::string r) {
    rest = std::move(r);
    return *this;
  }
  Is& Number(int n) {
    number = n;
    return *this;
  }
  Is& Popup(int type) {
    popupType = type;
    return *this;
  }
};

struct TCase {
  std::string command;
  TCommand expected;
};

// Names resolve under d:\run\ with the disc at d:\; the skin has three screens.
class ClassifyCommandTest : public ::testing::Test {
 protected:
  static constexpr int kScreens = 3;

  void SetUp() override {
    Global.ProgramFolder = "d:\\run\\";
    Global.DiscRoot = "d:\\";
  }

  void Check(const std::vector<TCase>& cases, int screens = kScreens) {
    for (const TCase& c : cases) EXPECT_EQ(ClassifyCommand(c.command, screens), c.expected) << c.command;
  }

 private:
  TSavedGlobals saved_;
};

TEST_F(ClassifyCommandTest, EveryRowInTableOrder) {
  Check({
      {"exit", Is(Exit)},
      {"screen2=page.htm", Is(Screen).OnScreen(1).Value("d:\\run\\page.htm")},
      {"screen2", Is(Screen).OnScreen(1)},
      {"SCREEN3=<cd>man\\a.htm", Is(Screen).OnScreen(2).Value("d:\\man\\a.htm")},
      {"2d", Is(Clip2D)},
      {"3d", Is(Clip3D)},
      {"run=setup.exe=/s", Is(TCommandAction::Run).Value("d:\\run\\setup.exe").Rest("/s")},
      {"run=c:\\tools\\x.exe", Is(TCommandAction::Run).Value("c:\\tools\\x.exe")},
      {"about", Is(About)},
      {"minimize", Is(Minimize)},
      {"tree1", Is(Tree1)},
      {"showtree1", Is(Tree1)},
      {"tree2", Is(Tree2)},
      {"ontree", Is(OnTree)},
      {"offtree", Is(OffTree)},
      {"historyback", Is(HistoryBack).Popup(-1)},
      {"historyforward", Is(HistoryForward).Popup(-2)},
      {"showfavorite", Is(ShowFavorite).Popup(-3)},
      {"addtofavorite", Is(AddToFavorite)},
      {"deletefromfavorite", Is(DeleteFromFavorite).Popup(-4)},
      {"tesaurus", Is(Tesaurus)},
      {"contextmenu5", Is(ContextMenu).Number(5)},
      {"contextmenu=-5", Is(ContextMenu).Number(-5)},
      {"contextmenu", Is(ContextMenu).Number(-1)},
      {"back", Is(Back)},
      {"forward", Is(Forward)},
      {"copyhtml", Is(CopyHtml)},
      {"printhtml", Is(PrintHtml)},
      {"tophtml", Is(TopHtml)},
      {"html=chapter12.htm", Is(Html).Value("d:\\run\\chapter12.htm").Number(12)},
      {"html2=file", Is(Html).Value("file").Number(2)},
      {"html1=man\\a.htm", Is(Html).Value("d:\\run\\man\\a.htm").Number(1)},
      {"nextchapter", Is(NextChapter)},
      {"prevchapter", Is(PrevChapter)},
      {"findnext3", Is(FindNext).Number(3)},
      {"findnext", Is(FindNext).Number(-1)},
      {"findtxtall", Is(FindTxtAll)},
      {"findtxtlimit", Is(FindTxtLimit)},
      {"caseon", Is(CaseOn)},
      {"caseoff", Is(CaseOff)},
      {"bgsound", Is(BgSound)},
      {"standartwin", Is(StandartWin)},
      {"options", Is(Options)},
      {"help", Is(Help)},
      {"unarc", Is(Unarc)},
      {"play", Is(Play)},
      {"stop", Is(Stop)},
      {"pause", Is(Pause)},
      {"stepforward", Is(StepForward)},
      {"stepback", Is(StepBack)},
      {"clip=a.avi=b", Is(Clip).Value("d:\\run\\a.avi").Rest("b")},
      {"clip=a.avi", Is(Clip).Value("d:\\run\\a.avi")},
      {"nextpic", Is(NextPic)},
      {"prevpic", Is(PrevPic)},
      {"installfonts", Is(InstallFonts)},
      {"2", Is(ScreenNumber).OnScreen(1)},
      {"unknown", Is(Nothing)},
  });
}

TEST_F(ClassifyCommandTest, FirstMatchingRowWins) {
  Check({
      {"screen2=tree1.htm", Is(Screen).OnScreen(1).Value("d:\\run\\tree1.htm")},
      {"run=tree1.exe", Is(TCommandAction::Run).Value("d:\\run\\tree1.exe")},
      {"offtree1", Is(Tree1)},
      {"html=offtree.htm", Is(OffTree)},
      {"clip=contextmenu.avi", Is(ContextMenu).Number(-1)},
      {"copyhtml=x.htm", Is(Html).Value("d:\\run\\x.htm").Number(-1)},
      {"html=findnext.htm", Is(Html).Value("d:\\run\\findnext.htm").Number(-1)},
      {"htmlclip=a.avi", Is(Html).Value("d:\\run\\a.avi").Number(-1)},
      {"2d", Is(Clip2D)},
  });
}

TEST_F(ClassifyCommandTest, WordRowsLookOnlyBeforeTheFirstEq) {
  Check({
      {"screen=2.htm", Is(Screen).OnScreen(-1).Value("d:\\run\\2.htm")},
      {"go=html", Is(Nothing)},
      {"go=clip", Is(Nothing)},
      {"go=run", Is(Nothing)},
      {"go=ontree", Is(OnTree)},  // a "contains" row looks at the whole text
      {"rerun=x.exe", Is(Nothing)},
  });
}

TEST_F(ClassifyCommandTest, OnlyTheScreenWordIsLowerCased) {
  Check({
      {"Screen2", Is(Screen).OnScreen(1)},
      {"EXIT", Is(Nothing)},
      {"Html=a.htm", Is(Nothing)},
      {"OFFTREE", Is(Nothing)},
  });
}

// The screen word's index goes to the screen switch unchecked: the switch refuses it.
TEST_F(ClassifyCommandTest, ScreenWordWithoutAValidNumber) {
  Check({
      {"screen9", Is(Screen).OnScreen(8)},
      {"screen", Is(Screen).OnScreen(-1)},
      {"screen0", Is(Screen).OnScreen(-1)},
      {"screen-2147483648", Is(Screen).OnScreen(-1)},
      {"screen99999999999", Is(Screen).OnScreen(-1)},
  });
}

TEST_F(ClassifyCommandTest, BareNumbersSwitchOnlyToExistingScreens) {
  Check({
      {"1", Is(ScreenNumber).OnScreen(0)},
      {"3", Is(ScreenNumber).OnScreen(2)},
      {"page2", Is(ScreenNumber).OnScreen(1)},  // the number may stand anywhere
      {"0", Is(Nothing)},
      {"4", Is(Nothing)},
      {"-1", Is(Nothing)},
      {"-2147483648", Is(Nothing)},
      {"99999999999", Is(Nothing)},
      {"1-2", Is(Nothing)},
      {"", Is(Nothing)},
  });
  Check({{"1", Is(Nothing)}}, 0);
}

}  // namespace
