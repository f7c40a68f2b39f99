#pragma once
// The skin of the main window as "Struct.txt" describes it: per screen a background and its
// buttons and switches, which the window draws itself, and the declarations of every other
// element kind, which it hands to their owners. Fields carry the name of the description key
// that fills them. Texts are Windows-1251, as read (the description arrives lower-cased).

#include "app/DescriptionSyntax.h"

#include <QPoint>
#include <cstdint>
#include <string>
#include <vector>

// A set of font styles in one byte.
using TFontStyles = uint8_t;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

struct RBtn {
  int vx = 0, vy = 0;
  int right = 0, bottom = 0;  // from the up picture, when the window loads it
  std::string textcaption;
  int texttx = 0, textty = 0, textbx = 0, textby = 0;  // caption box in picture coordinates
  std::string textfontname;
  int textfontsize = 0;
  TFontStyles textfontstyleup = 0, textfontstylemv = 0, textfontstyledn = 0;
  TColor textfontcolorup = 0, textfontcolormv = 0, textfontcolordn = 0;
  std::string fn1, fn2, fn3;  // up, mouse over, pressed
  std::string go;             // as written: buttons keep their command unresolved
  std::string hint;
  std::string wav;  // "no" or empty: silent
};

struct RSwthOne {
  int vx = 0, vy = 0;
  int right = 0, bottom = 0;
  std::string fn1, fn2, fn3, fn4;  // up, mouse over up, mouse over down, down
  bool store = false;
  std::string goup, godown;  // off and on commands, path-resolved
  std::string hint, wav;
  bool hover = false;
  bool state = false;  // on
  std::string textcaptionup, textcaptiondn;
  int texttxup = 0, texttyup = 0, textbxup = 0, textbyup = 0;
  int texttxdn = 0, texttydn = 0, textbxdn = 0, textbydn = 0;
  std::string textfontname;
  int textfontsize = 0;
  TFontStyles textfontstyleup = 0, textfontstylemvup = 0, textfontstylemvdn = 0, textfontstyledn = 0;
  TColor textfontcolorup = 0, textfontcolormvup = 0, textfontcolormvdn = 0, textfontcolordn = 0;
};

struct RSwthGrp {
  int vx = 0, vy = 0;
  int right = 0, bottom = 0;
  std::string fn1, fn2, fn3, fn4;
  bool store = false;
  int group = 0;   // equal numbers on one screen form a group
  std::string go;  // run when turned on, path-resolved
  std::string hint, wav;
  bool hover = false;
  bool state = false;
  std::string textcaptionup, textcaptiondn;  // "2d" and "3d" as read; the window shows them upper-case
  int texttx = 0, textty = 0, textbx = 0, textby = 0;
  std::string textfontname;
  int textfontsize = 0;
  TFontStyles textfontstyleup = 0, textfontstylemvup = 0, textfontstylemvdn = 0, textfontstyledn = 0;
  TColor textfontcolorup = 0, textfontcolormvup = 0, textfontcolormvdn = 0, textfontcolordn = 0;
};

// Declarations. vw and vh, where present, are the right and bottom edges, not a size.

struct RHTML {
  int screen = 0;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  std::string fn;  // start page, path-resolved
  int number = 0;
};

struct RFindTxt {
  int screen = 0;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  std::string frame;
  std::vector<std::string> nofiles;  // excluded from index searches
  int number = 0;
  std::string hint;
};

struct RPathInput {
  int screen = 0;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  std::string pathdef;
  std::string hint;
};

struct RClip {
  int screen = 0;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  TColor bgcolor = 0;
  int html = 0;
};

struct RText {
  int screen = 0;
  int vx = 0, vy = 0, vw = 0;  // vw has no effect
  std::string font;
  int size = 0;
  std::string style;  // style words, kept as text
  TColor color = 0;
  std::string value;
  std::string ident;
  int number = 0;  // 1000: the skinned dialog's
};

struct RImage {
  int screen = 0;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  std::string dir;  // path-resolved, ending in '\' unless empty
};

// Popup types that are words in the description.
constexpr int ptHistoryBack = -1;
constexpr int ptHistoryForward = -2;
constexpr int ptFavorite = -3;
constexpr int ptFavoriteDelete = -4;  // only when opening
constexpr int ptContextHtml = -5;

struct RPopupData {
  int screen = 0;
  int xfon = 0, yfon = 0;
  std::string fnfon;
  int xbtn = 0, ybtn = 0;
  std::vector<std::string> fnbtnup, fnbtnmove, fnbtndown;
  std::string fontup;
  int sizeup = 0;
  std::string styleup;
  TColor colorup = 0;
  std::string fontmv;
  int sizemv = 0;
  std::string stylemv;
  TColor colormv = 0;
  std::vector<std::string> caption;
  std::vector<std::string> go;
  std::string parent;
  int type = 0;
  std::vector<QPoint> vertex;
};

struct RTree {
  int screen = 0;
  int vw = 0, vh = 0;
  TColor colorselect = 0, colorselecttext = 0;
  std::string fn;  // contents file under the program folder
};

struct RSplitter {
  int screen = 0;
  TColor color = 0;
};

using TDynamicBtnArray = std::vector<RBtn>;
using TDynamicSwthOneArray = std::vector<RSwthOne>;
using TDynamicSwthGrpArray = std::vector<RSwthGrp>;
using TDynamicHtmlArray = std::vector<RHTML>;
using TDynamicFindTxtArray = std::vector<RFindTxt>;
using TDynamicPathInputArray = std::vector<RPathInput>;
using TDynamicClipArray = std::vector<RClip>;
using TDynamicTextArray = std::vector<RText>;
using TDynamicImageArray = std::vector<RImage>;
using TPopupData = std::vector<RPopupData>;  // the popups of one screen
using TDynamicTreeArray = std::vector<RTree>;
using TDynamicSplitterArray = std::vector<RSplitter>;

struct TSkinModel {
  // Per screen, indexed from 0; the four lists always have the same length.
  std::vector<std::string> ScreenBackgrounds;
  std::vector<TDynamicBtnArray> ScreenBtns;  // a "_screen" line adds minimize and close
  std::vector<TDynamicSwthOneArray> ScreenSwthOne;
  std::vector<TDynamicSwthGrpArray> ScreenSwthGrp;

  TDynamicHtmlArray Htmls;
  TDynamicFindTxtArray FindTxts;
  TDynamicPathInputArray PathInputs;
  TDynamicClipArray Clips;
  TDynamicTextArray Texts;
  TDynamicImageArray Images;
  // Indexed by screen, as far as the last screen with a popup: a screen beyond has none.
  std::vector<TPopupData> ScreenPopups;
  TDynamicTreeArray Trees;
  TDynamicSplitterArray Splitters;

  std::string Codec;                    // "codec": codec list
  std::string Rolic;                    // "rolic": start clip
  std::string Background;               // "background": the start clip's background
  std::string HelpFile;                 // "helpwin" fn, path-resolved
  std::string Icon;                     // "icon": under the program folder
  std::vector<std::string> BgSoundDef;  // background-music songs
  bool HasVertexMain = false;
  std::vector<QPoint> VertexMain;  // the window's shape
  RBtn MinimizeBtn;                // go "minimize"
  RBtn CloseBtn;                   // go "exit"

  int ScreenCount() const { return static_cast<int>(ScreenBtns.size()); }
};
