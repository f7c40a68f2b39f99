#pragma once
// The vocabulary of skin commands: which action a command text asks for, with its arguments
// read out of the text. Carrying the action out is the main window's business (`RunCommand`),
// as are refusing commands while `BusyFlag` is set and the click sound.
//
// The rows are tested in a fixed order and the first match wins: "offtree" anywhere in the
// text wins over a command word holding "html", for instance. The command word is the text
// before the first '=' (the whole text without '=').

#include <string>

enum class TCommandAction {
  Exit,                // equals "exit"; tested before every other row
  Screen,              // lower-cased word contains "screen"
  Clip2D,              // equals "2d"
  Clip3D,              // equals "3d"
  Run,                 // word equals "run"
  About,               // equals "about"
  Minimize,            // equals "minimize"
  Tree1,               // contains "tree1"
  Tree2,               // contains "tree2"
  OnTree,              // contains "ontree"
  OffTree,             // contains "offtree"
  HistoryBack,         // equals "historyback"
  HistoryForward,      // equals "historyforward"
  ShowFavorite,        // equals "showfavorite"
  AddToFavorite,       // equals "addtofavorite"
  DeleteFromFavorite,  // equals "deletefromfavorite"
  Tesaurus,            // equals "tesaurus"
  ContextMenu,         // contains "contextmenu"
  Back,                // equals "back"
  Forward,             // equals "forward"
  CopyHtml,            // equals "copyhtml"
  PrintHtml,           // equals "printhtml"
  TopHtml,             // equals "tophtml"
  Html,                // word contains "html"
  NextChapter,         // equals "nextchapter"
  PrevChapter,         // equals "prevchapter"
  FindNext,            // contains "findnext"
  FindTxtAll,          // contains "findtxtall"
  FindTxtLimit,        // contains "findtxtlimit"
  CaseOn,              // equals "caseon"
  CaseOff,             // equals "caseoff"
  BgSound,             // equals "bgsound"
  StandartWin,         // equals "standartwin"
  Options,             // equals "options"
  Help,                // equals "help"
  Unarc,               // equals "unarc"
  Play,                // equals "play"
  Stop,                // equals "stop"
  Pause,               // equals "pause"
  StepForward,         // equals "stepforward"
  StepBack,            // equals "stepback"
  Clip,                // word contains "clip"
  NextPic,             // equals "nextpic"
  PrevPic,             // equals "prevpic"
  InstallFonts,        // equals "installfonts"
  ScreenNumber,        // anything else that starts with a number naming one of the screens
  Nothing,             // anything else
};

struct TCommand {
  TCommandAction action = TCommandAction::Nothing;
  // Screen, ScreenNumber: the target screen index counted from 0 (the text counts from 1);
  // -1 when the text names no screen from 1 up. ScreenNumber always names an existing screen;
  // Screen is not checked against the screens, so whoever switches must refuse an index
  // outside them.
  int screen = -1;
  // Screen: the contents tree's start link; Run: the file; Html: the page; Clip: the first
  // file. The value after the first '=' (up to the last one), path-resolved.
  std::string value;
  // Run: the parameters; Clip: the second value. The text after the last of two or more '=',
  // path-resolved.
  std::string rest;
  // Html: the pane number (first integer from the 5th character); ContextMenu: the popup list
  // type (from the 11th); FindNext: the argument of `FindNext` (from the 9th). -1 when absent.
  int number = -1;
  // The popup list the history and favourites buttons open: HistoryBack -1, HistoryForward -2,
  // ShowFavorite -3, DeleteFromFavorite -4 (the favourites list in delete mode); 0 otherwise.
  int popupType = 0;

  bool operator==(const TCommand&) const = default;
};

// `screenCount` is the number of screens of the skin; a bare screen number outside them is
// Nothing. Path values resolve against `ProgramFolder` and `DiscRoot`.
TCommand ClassifyCommand(const std::string& command, int screenCount);
