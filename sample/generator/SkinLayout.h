#pragma once
// What the sample skin holds: screens, elements, their places and commands. Pictures,
// descriptions and previews are all made from this one list.

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class ElementKind { Button, Toggle, Grouped };

// How an element's face is drawn; also decides where its caption sits.
enum class FaceStyle { TitleButton, ToolButton, ToggleLed, Tab, WindowMinimize, WindowClose };

// A sign drawn on a tool button's face where it has no caption: the history lists (a list
// with an arrow), the favourites (a star: add, show, delete) and a drop-down arrow.
enum class FaceIcon {
  None,
  HistoryBackList,
  HistoryForwardList,
  FavoriteAdd,
  FavoriteShow,
  FavoriteDelete,
  DropDown,
  PlayClip,
  PauseClip,
  StopClip,
  Music,
  Search
};

struct SkinElement {
  ElementKind kind = ElementKind::Button;
  FaceStyle face = FaceStyle::ToolButton;
  int screen = 0;   // counted from 0
  QString picture;  // file name stem; the look and ".bmp" are appended
  QRect rect;       // where the pictures go, and their size
  QString captionUp;
  QString captionDn;  // switches only
  int fontPoints = 10;
  std::array<QColor, 4> colors;  // caption colour per look (buttons use the first three)
  QString command;               // button go, grouped switch go
  QString commandOff;            // toggle switch goup
  QString commandOn;             // toggle switch godown
  QString hint;
  bool state = false;
  bool store = false;
  int group = 0;
  QString sound;  // file played on click; empty: none
  FaceIcon icon = FaceIcon::None;
};

// A "_text" element: one line the reader draws transparently over the background.
struct SkinText {
  int screen = 0;
  QRect area;            // the room meant for the text; it is centred in it vertically
  bool centred = false;  // and horizontally too; otherwise it starts at the area's left
  QString family;
  int points = 9;
  bool bold = false;
  QColor color;
  QString value;  // shown at start
  QString ident;
  int number = 0;
};

// A "_path" element: an edit box for a folder, set into a sunken field of the background.
struct SkinPath {
  int screen = 0;
  QRect box;
  QString label;  // drawn on the background left of the field
  QString pathdef;
  QString hint;
};

// A "_html" element: the document pane of a screen and the page it opens with.
struct SkinHtml {
  int screen = 0;
  QRect box;
  QString start;  // name in the pack
  int number = 0;
};

// A "_findtxt" element: a search field. It stands on the dialog's search page, so its box is
// in the dialog's coordinates; `screen` is the main window's screen it belongs to.
struct SkinFindTxt {
  int screen = 1;
  QRect box;
  QString frame;  // the frame of a frameset page that the page search looks in
  int number = 1;
  QString hint;
};

// A "_tree" element: a contents tree at the left of the reading screen's page.
struct SkinTree {
  int screen = 1;
  int right = 0, bottom = 0;  // window coordinates; the tree starts at the page's corner
  QColor select, selectText;
  QString file;  // the contents file, beside the descriptions
};

// A "_clip" element: a coloured panel where page media plays its video, with the document
// pane that shows the clip's page.
struct SkinClip {
  int screen = 1;
  QRect box;
  QColor color;
  int html = 0;  // the number of the "_html" declaration
};

// A "_popup" element: a list the reader opens as a window of its own. Lists of one look share
// their pictures: <look>_fon.bmp behind the items, <look>_up, _mv and _dn.bmp for each item.
struct SkinPopup {
  int screen = 1;
  QString type;  // "historyback", "historyforward", "favorite", "contexthtml" or a number
  QString look;
  QSize itemSize;
  int rows = 4;          // the items the background is drawn for; the reader fits it to the list
  int margin = 6;        // above the first item and below the last
  QPoint fixed{-1, -1};  // xfon, yfon: -1 opens at the point the command gives
  QStringList captions, commands;
  bool shaped = false;  // cut corners, as the window has: the list keeps its picture's size
};

// A short click: a bright tone over a lower body, both dying away.
struct SkinSound {
  QString file;
  double toneHz = 0;
  double bodyHz = 0;
  int milliseconds = 0;
};

struct SkinLayout {
  QSize screenSize;
  QString title;
  QStringList backgrounds;  // per screen
  QPolygon windowShape;
  SkinElement minimize;
  SkinElement close;
  std::vector<SkinElement> elements;  // in description order
  std::vector<SkinText> texts;
  std::vector<SkinPath> paths;
  std::vector<SkinHtml> htmls;
  std::vector<SkinTree> trees;  // the contents first, then the index of terms
  std::vector<SkinFindTxt> findFields;
  std::vector<SkinClip> clips;
  std::vector<SkinPopup> popups;
  std::vector<SkinSound> sounds;
  QString startClip;  // "rolic": played before the window shows
  QStringList songs;  // "bgsounddef": the background music
  QPoint pistonPos;
  // Screen 1's bars that hold text elements and the path box.
  QRect pageHeader;   // above the page, for the page's title
  QRect statusStrip;  // along the bottom, for messages and the install folder
};

SkinLayout SampleLayout();

QString CaptionFontFamily();
// "up", "mv", "dn" for buttons; "up", "mvup", "mvdn", "dn" for switches.
QStringList LooksOf(ElementKind kind);
QString PictureFile(const SkinElement& element, const QString& look);
// A popup look's pictures: "fon" behind the items, "up", "mv" and "dn" for each item.
QString PopupPictureFile(const SkinPopup& popup, const QString& part);
// The background's size: `rows` items between the margins.
QSize PopupSize(const SkinPopup& popup);
// The cut-corner outline of a shaped list, in its own coordinates.
QPolygon PopupShape(const SkinPopup& popup);
