#pragma once
// What Qt's rich-text importer drops or gets wrong, read before the page is shown: the title,
// the frameset structure, link targets, named anchors, image maps, form controls, picture
// titles, hidden elements and the borders of blocks. The quick pass (PageScan.h) moves
// anchors and link targets; pages that need more are parsed with gumbo and come back
// rewritten for the importer further:
// - elements hidden by display:none are gone; blocks with a border sit in a one-cell table;
// - pictures with a map carry the picture's index in their name (see EncodeMappedImage);
// - each drawn form control is replaced by a placeholder picture of the control's size over
//   which the viewer puts a real widget;
// - tags nested too deep for the importer are dropped, their text kept.

#include "html/ImageMaps.h"
#include "html/PageScan.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct TFramesetNode {
  bool isFrameset = false;
  QString rows, cols;                   // of a frameset, as written
  QString name, src;                    // of a frame
  std::vector<TFramesetNode> children;  // of a frameset: frames and framesets in order
};

// Select is a drop-down list, or a list box when it shows several rows.
enum class TFormControlKind { Select, Input, TextArea, Button, CheckBox, Radio };

struct TPreparsedControl {
  TFormControlKind kind = TFormControlKind::Input;
  QString name;
  QString type;   // input or button type, lower-cased: "text", "password", "submit", "reset", ...
  QString value;  // text input and text area: the text; check box and radio: the value
                  // attribute; button: its caption
  bool checked = false;
  bool disabled = false;
  bool readOnly = false;
  bool multiple = false;  // a list box where several entries may be chosen
  int rows = 0;           // list box and text area rows; 0 for a drop-down list
  int columns = 0;        // text input size and text area cols; 0 when not given
  int maxLength = -1;
  QStringList items;        // entries of a list
  std::vector<int> chosen;  // the entries marked selected, in order
  int selectedIndex = -1;   // a drop-down list's entry: the last marked, else the first; a
                            // list box's first marked; -1 for none
  int form = -1;            // index in TPreparsedPage::forms, -1 outside any form
  QString placeholder;      // picture name standing for the control; empty when not drawn
};

struct TPreparsedForm {
  QString action, target;  // as written; target falls back to the base target
};

struct TPreparsedImage {
  QString source, title, usemap;
};

struct TPreparsedPage {
  QString html;   // the page to give to the importer
  QString title;  // the text of <title>, whitespace collapsed
  QString baseTarget;
  bool isFrameset = false;
  TFramesetNode frameset;                   // the outermost frameset of a frameset page
  std::vector<TPreparsedControl> controls;  // in page order
  std::vector<TPreparsedForm> forms;        // in page order
  std::vector<TPreparsedImage> images;      // in page order (pages parsed into a tree only)
  std::vector<TImageMap> maps;              // in page order
};

struct TPreparseOptions {
  // The size to reserve for a control; without it controls are listed but not drawn.
  std::function<QSize(const TPreparsedControl&)> controlSize;
  // The text of a linked style sheet (href as written); without it only <style> counts.
  std::function<QString(const QString& href)> styleSheet;
};

TPreparsedPage PreparsePage(const QString& page, const TPreparseOptions& options = {});

// Names of pictures that use a map: the index of the picture in TPreparsedPage::images and
// its source as written.
QString EncodeMappedImage(int index, const QString& source);
// False for any other name (index -1, source the name itself).
bool DecodeMappedImage(const QString& name, int& index, QString& source);

// The control a placeholder picture stands for; -1 for any other picture.
int PlaceholderControl(const QString& name);

// Whether the pre-parse shows the page as its source text, because it nests too deeply to be
// parsed.
bool ShownAsSource(const QString& page);
