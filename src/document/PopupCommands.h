#pragma once
// What a clicked popup item's command asks for. The head is the text before the first "="
// (empty when there is none); heads and whole commands compare exactly, letter case
// included, so "html2=a.htm" is no "html" head and goes to the main window's dispatcher.

#include <string>

enum class TPopupAction {
  History,        // head "history": go to that history entry
  Html,           // head "html": show the file
  HtmlPos,        // head "htmlpos": show the file and scroll it to the position
  CopyClipboard,  // "copyclipboardhtml"
  AddToFavorite,  // "addtofavorite"
  DefFont,        // "deffonthtml"
  SelectAll,      // "selectallhtml"
  Print,          // "printhtml"
  Dispatch,       // anything else: the dispatcher runs it as a push button's command
};

struct TPopupCommand {
  TPopupAction action = TPopupAction::Dispatch;
  int history = -1;   // History: the entry's index (-1 when the text has none)
  std::string file;   // Html, HtmlPos: the value after the first "=", path-resolved
  int position = -1;  // HtmlPos: the value after the last "="
};

TPopupCommand ClassifyPopupCommand(const std::string& command);

// A favourite's file that is neither on disk nor in the pack is looked for on the first
// CD-ROM drive instead (the disc moved to another drive letter); unchanged when there is
// no such drive.
std::string OnCdWhenMissing(const std::string& file);
