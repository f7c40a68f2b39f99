#include "skin/CommandTable.h"

#include "app/DescriptionSyntax.h"

#include <string_view>

namespace {

enum class TTest {
  Equals,             // the whole text
  Contains,           // anywhere in the whole text
  WordEquals,         // the command word
  WordContains,       // anywhere in the command word
  LowerWordContains,  // anywhere in the command word with its ASCII letters lower-cased
};

struct TRow {
  TTest test;
  std::string_view text;
  TCommandAction action;
};

using enum TCommandAction;

// Order matters: many texts match several rows, and the first one wins.
constexpr TRow kRows[] = {
    {TTest::LowerWordContains, "screen", Screen},
    {TTest::Equals, "2d", Clip2D},
    {TTest::Equals, "3d", Clip3D},
    {TTest::WordEquals, "run", Run},
    {TTest::Equals, "about", About},
    {TTest::Equals, "minimize", Minimize},
    {TTest::Contains, "tree1", Tree1},
    {TTest::Contains, "tree2", Tree2},
    {TTest::Contains, "ontree", OnTree},
    {TTest::Contains, "offtree", OffTree},
    {TTest::Equals, "historyback", HistoryBack},
    {TTest::Equals, "historyforward", HistoryForward},
    {TTest::Equals, "showfavorite", ShowFavorite},
    {TTest::Equals, "addtofavorite", AddToFavorite},
    {TTest::Equals, "deletefromfavorite", DeleteFromFavorite},
    {TTest::Equals, "tesaurus", Tesaurus},
    {TTest::Contains, "contextmenu", ContextMenu},
    {TTest::Equals, "back", Back},
    {TTest::Equals, "forward", Forward},
    {TTest::Equals, "copyhtml", CopyHtml},
    {TTest::Equals, "printhtml", PrintHtml},
    {TTest::Equals, "tophtml", TopHtml},
    {TTest::WordContains, "html", Html},
    {TTest::Equals, "nextchapter", NextChapter},
    {TTest::Equals, "prevchapter", PrevChapter},
    {TTest::Contains, "findnext", FindNext},
    {TTest::Contains, "findtxtall", FindTxtAll},
    {TTest::Contains, "findtxtlimit", FindTxtLimit},
    {TTest::Equals, "caseon", CaseOn},
    {TTest::Equals, "caseoff", CaseOff},
    {TTest::Equals, "bgsound", BgSound},
    {TTest::Equals, "standartwin", StandartWin},
    {TTest::Equals, "options", Options},
    {TTest::Equals, "help", Help},
    {TTest::Equals, "unarc", Unarc},
    {TTest::Equals, "play", Play},
    {TTest::Equals, "stop", Stop},
    {TTest::Equals, "pause", Pause},
    {TTest::Equals, "stepforward", StepForward},
    {TTest::Equals, "stepback", StepBack},
    {TTest::WordContains, "clip", Clip},
    {TTest::Equals, "nextpic", NextPic},
    {TTest::Equals, "prevpic", PrevPic},
    {TTest::Equals, "installfonts", InstallFonts},
};

bool Matches(const TRow& row, const std::string& command, const std::string& word) {
  switch (row.test) {
    case TTest::Equals: return command == row.text;
    case TTest::Contains: return command.find(row.text) != std::string::npos;
    case TTest::WordEquals: return word == row.text;
    case TTest::WordContains: return word.find(row.text) != std::string::npos;
    case TTest::LowerWordContains: return AsciiLower(word).find(row.text) != std::string::npos;
  }
  return false;
}

// Texts number screens from 1. Anything below 1 (no number at all reads as -1) names no
// screen; mapping it to -1 also keeps the subtraction clear of the smallest integer.
int ScreenIndex(int number) { return number >= 1 ? number - 1 : -1; }

TCommand WithArguments(TCommandAction action, const std::string& command, const std::string& word) {
  TCommand result;
  result.action = action;
  switch (action) {
    case Screen:
      result.screen = ScreenIndex(ParseIntAt(word, 1));
      result.value = ValueAfterFirstEq(command);
      break;
    case Run:
    case Clip:
      result.value = ValueAfterFirstEq(command);
      result.rest = ValueAfterLastEq(command);
      break;
    case Html:
      result.value = ValueAfterFirstEq(command);
      result.number = ParseIntAt(command, 5);
      break;
    case ContextMenu: result.number = ParseIntAt(command, 11); break;
    case FindNext: result.number = ParseIntAt(command, 9); break;
    case HistoryBack: result.popupType = -1; break;
    case HistoryForward: result.popupType = -2; break;
    case ShowFavorite: result.popupType = -3; break;
    case DeleteFromFavorite: result.popupType = -4; break;
    default: break;
  }
  return result;
}

}  // namespace

TCommand ClassifyCommand(const std::string& command, int screenCount) {
  if (command == "exit") return WithArguments(Exit, command, command);

  const std::string word = command.substr(0, command.find('='));
  for (const TRow& row : kRows)
    if (Matches(row, command, word)) return WithArguments(row.action, command, word);

  const int screen = ScreenIndex(ParseIntAt(command, 1));
  if (screen < 0 || screen >= screenCount) return {};
  TCommand result;
  result.action = ScreenNumber;
  result.screen = screen;
  return result;
}
