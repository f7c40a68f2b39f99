#pragma once
// "Dialog.txt": the pages of the skinned dialog. Each page is a background picture with a
// message area, push buttons and radio switches. Elements start on a line holding their kind
// word ("_picture", "_text", "_button", "switchgrp", letter case ignored) and the page number
// (counted from 1) as the line's first integer; their keys follow in a fixed order, each on
// the current line or a later one. Values keep the case they are written in, except where a
// field says otherwise. Texts are Windows-1251.

#include "app/DescriptionSyntax.h"
#include "app/SkinModel.h"

#include <string>
#include <vector>

// The message area of a page: left, top and right edge; the message is drawn in its font.
struct RDlgText {
  int vx = 0, vy = 0, vw = 0;
  std::string font;
  int size = 0;
  TFontStyles style = 0;
  TColor color = 0;
  std::string value;  // read, but the message given to ShowPage is drawn instead
};

// How a button moves when a long message widens the page.
enum class TDlgAlign { Left, Middle, Right };

struct RDlgBtn {
  int vx = 0, vy = 0;
  int right = 0, bottom = 0;  // from the up picture, when the page is shown
  TDlgAlign align = TDlgAlign::Right;
  std::string fn1, fn2, fn3;  // up, hover, down
  std::string go;             // lower-cased
  std::string hint;
  std::string wav;  // lower-cased; "no" or empty: silent
};

struct RDlgPage {
  std::string picture;  // under the program folder; empty when the page declares none
  RDlgText text;
  std::vector<RDlgBtn> buttons;
  // Grouped switches as the main description has them; their go is path-resolved and then
  // lower-cased, their wav lower-cased.
  std::vector<RSwthGrp> switches;
};

// Pages from the first to the highest number used; pages nothing names stay empty.
using TDialogPages = std::vector<RDlgPage>;

// Page numbers above this are refused, so that a stray number cannot allocate pages by the
// million.
constexpr int kMaxDialogPage = 99;

// `lines` as written. Throws EDataError naming `descriptionName` and the line for an element
// without a page number or with a key missing.
TDialogPages ReadDialogPages(const TLines& lines, const std::string& descriptionName = "Dialog.txt");
// The file through the pack or the disk. Throws EFOpenError when it is missing.
TDialogPages ReadDialogFile(const std::string& windowsName);
