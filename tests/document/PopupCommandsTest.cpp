#include "document/PopupCommands.h"

#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(PopupCommands, HeadsAndFixedCommandsCompareExactly) {
  const TSavedGlobals saved;
  Global.ProgramFolder = "d:\\book\\";
  struct Case {
    std::string command;
    TPopupAction action;
    std::string file{};
    int history = -1, position = -1;
  } cases[] = {
      {"history=3", TPopupAction::History, "", 3},
      {"history=", TPopupAction::History, "", -1},
      {"html=man\\a.htm", TPopupAction::Html, "d:\\book\\man\\a.htm"},
      {"htmlpos=d:\\man\\a.htm=1200", TPopupAction::HtmlPos, "d:\\man\\a.htm", -1, 1200},
      {"htmlpos=d:\\man\\a.htm", TPopupAction::HtmlPos, "d:\\man\\a.htm", -1, -1},
      // With a digit after "html" the head is no longer "html": the dispatcher shows it in pane 2.
      {"html2=man\\a.htm", TPopupAction::Dispatch},
      {"HTML=man\\a.htm", TPopupAction::Dispatch},
      {"html", TPopupAction::Dispatch},
      {"copyclipboardhtml", TPopupAction::CopyClipboard},
      {"addtofavorite", TPopupAction::AddToFavorite},
      {"deffonthtml", TPopupAction::DefFont},
      {"selectallhtml", TPopupAction::SelectAll},
      {"printhtml", TPopupAction::Print},
      {"printhtml2", TPopupAction::Dispatch},
      {"screen2=man\\a.htm", TPopupAction::Dispatch},
  };
  for (const Case& c : cases) {
    const TPopupCommand classified = ClassifyPopupCommand(c.command);
    EXPECT_EQ(classified.action, c.action) << c.command;
    EXPECT_EQ(classified.file, c.file) << c.command;
    EXPECT_EQ(classified.history, c.history) << c.command;
    EXPECT_EQ(classified.position, c.position) << c.command;
  }
}

// A favourite stored while the disc was in another drive is looked for on the disc.
TEST(PopupCommands, AFileOnAMissingDriveIsLookedForOnTheDisc) {
  const TSavedGlobals saved;
  const TempDir disc;
  disc.Write("man/a.htm", "<p>a</p>");
  HostPath::SetDiscRoot(disc.Path());
  EXPECT_EQ(OnCdWhenMissing("e:\\man\\a.htm"), "d:\\man\\a.htm");
  EXPECT_EQ(OnCdWhenMissing("d:\\man\\a.htm"), "d:\\man\\a.htm");
  // Not on the disc either: it is looked for there all the same.
  EXPECT_EQ(OnCdWhenMissing("e:\\man\\gone.htm"), "d:\\man\\gone.htm");
  Global.DiscRootHost.clear();
  EXPECT_EQ(OnCdWhenMissing("e:\\man\\a.htm"), "e:\\man\\a.htm");
}

}  // namespace
