#pragma once
// "About.txt": the about window's picture and shape, its texts (some of them web or mail
// links) and its picture buttons. Keywords are looked for in the lower-cased line, values
// taken from the line as written. A line holding "text" starts a text, else one holding
// "button" a button; their keys follow in a fixed order, each on the current line or a later
// one.

#include "app/DescriptionSyntax.h"
#include "app/SkinModel.h"

#include <QPoint>
#include <string>
#include <vector>

struct RAboutText {
  int vx = 0, vy = 0;
  std::string font;
  int size = 0;
  TFontStyles style = 0;
  TColor color = 0;
  std::string value;  // case kept
  std::string idenf;  // lower-cased; "url" makes the text a link
  bool IsLink() const { return idenf == "url"; }
};

struct RAboutButton {
  int vx = 0, vy = 0;
  std::string fn1, fn2;  // up and hover pictures under the program folder
  std::string hint;
  std::string wav;  // lower-cased; "no" or empty: silent
};

struct TAboutDescription {
  std::string picture;  // under the program folder; its size is the window's
  bool hasVertex = false;
  std::vector<QPoint> vertex;
  std::vector<RAboutText> texts;
  std::vector<RAboutButton> buttons;
};

// `lines` as written. Throws EDataError naming `descriptionName` and the line for an element
// with a key missing, EConvertError for a vertex that is not two integers.
TAboutDescription ReadAboutLines(const TLines& lines, const std::string& descriptionName = "About.txt");
// The file through the pack or the disk. Throws EFOpenError when it is missing.
TAboutDescription ReadAboutFile(const std::string& windowsName);

// What a link text opens and what it shows: an address with "@" is mailed to, anything else
// opened as it stands; the text shown ends before the first "?".
struct TAboutLink {
  std::string command;
  std::string shown;
};
TAboutLink AboutLink(const std::string& value);
