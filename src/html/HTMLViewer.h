#pragma once
// One HTML document on Qt's rich-text engine: a page of the book, or one frame of a frameset.
// Pages, style sheets and pictures are read through the resource pack lookup, so they may lie
// in the pack or on disk. File names are Windows names in Windows-1251; page texts are QString.

#include "app/DescriptionSyntax.h"
#include "html/PagePreparser.h"

#include <QCursor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

class QKeyEvent;
class QPainter;
class TPageTarget;
class QMouseEvent;
class QTextDocument;
class QTextBrowser;
class THtmlDocument;

// A page found neither on disk nor in the pack: "Can't locate file: " + name.
struct EHtmlLoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A picture of the page under a point.
struct TImageObj {
  QString source;  // the src attribute as written in the page
  QString title;   // the title attribute, empty when none
  QRect rect;      // where it is drawn, in viewer coordinates
};

// A form control of the page, drawn as a real widget inside the page (beyond a few hundred
// controls they are listed only).
struct TFormControl {
  QString name;  // the name attribute as written
  TFormControlKind kind = TFormControlKind::Input;
  QString type;               // input or button type, lower-cased
  QString value;              // text input and text area: the text now; check box and radio: the
                              // value attribute; button: its caption
  bool checked = false;       // check box and radio: checked now
  QStringList items;          // the entries of a list
  int selectedIndex = -1;     // the entry chosen now (a list box: the first), -1 when none
  std::vector<int> chosen;    // every entry chosen now
  QWidget* widget = nullptr;  // owned by the viewer; null when not drawn
  // The text of the chosen entry; empty when none.
  QString SelectedText() const;
};

class THTMLViewer : public QWidget {
  Q_OBJECT

 public:
  explicit THTMLViewer(QWidget* parent = nullptr);
  ~THTMLViewer() override;

  // Reads and shows a page. Throws EHtmlLoadError "Can't locate file: " + name when it is
  // neither on disk nor in the pack. An anchor "#x" after the name scrolls to it.
  void LoadFromFile(const std::string& name);
  // The pre-parse of a file's bytes as a viewer shows it: pictures and plain texts become
  // pages, pages are read in their charset, controls get the size of their widgets.
  static TPreparsedPage Preparse(const std::string& name, const std::string& bytes);
  // Shows a page pre-parsed with Preparse (so that a frame viewer parses each page once).
  void ShowPreparsed(const std::string& name, TPreparsedPage page);
  // Shows page bytes in their own charset (meta tag, else Windows-1251); relative names in it
  // resolve against the folder of `baseFile` (may be empty: the program's current folder).
  void LoadFromBuffer(const std::string& text, const std::string& baseFile = {});
  // Lays the shown page out again with the current Def... settings and visited links.
  void Reload();
  void Clear();

  std::string CurrentFile() const { return currentFile_; }
  QString DocumentTitle() const { return title_; }
  // Scrolls to a named anchor ("x" or "#x"); false when the page has none of that name. Names
  // that differ only in letter case are found when no name is exactly it.
  bool ScrollToAnchor(const QString& name);

  // Vertical scroll, in pixels; 0 is the top.
  int Position() const;
  void SetPosition(int position);
  int VScrollBarPosition() const;
  void SetVScrollBarPosition(int position);

  // `point` in viewer coordinates. True when a picture lies there; `object` then describes it.
  bool PtInObject(QPoint point, TImageObj& object) const;
  // The link under `point` (viewer coordinates), a text link or an area of an image map: its
  // URL as written and its target frame.
  bool LinkAt(QPoint point, QString& url, QString& target) const;

  QString SelText() const;
  void SelectAll();
  // Copies the selection as plain text, whatever its length.
  void CopyToClipboard();
  // Searches from the end of the selection (or the caret) to the end of the page; selects the
  // match and scrolls to it. Letter case is ignored for every alphabet unless `matchCase`.
  bool Find(const QString& text, bool matchCase);
  // Character positions in the page's plain text: the caret moves and the selection is empty.
  void SetCaretPos(int position);
  // Moves the selection's start, keeping its end (the caret).
  void SetSelStart(int position);
  int CaretPos() const;

  std::vector<TFormControl> FormControlList() const;

  // Appearance, effective at the next load or Reload. Colours have red in the low byte.
  QString DefFontName() const { return defFontName_; }
  void SetDefFontName(const QString& name) { defFontName_ = name; }
  TColor DefFontColor() const { return defFontColor_; }
  void SetDefFontColor(TColor color) { defFontColor_ = color; }
  int DefFontSize() const { return defFontSize_; }  // points
  void SetDefFontSize(int size) { defFontSize_ = size; }
  TColor DefHotSpotColor() const { return defHotSpotColor_; }
  void SetDefHotSpotColor(TColor color) { defHotSpotColor_ = color; }
  TColor DefBackground() const { return defBackground_; }
  void SetDefBackground(TColor color) { defBackground_ = color; }
  // The colour of the link under the mouse.
  TColor DefOverLinkColor() const { return defOverLinkColor_; }
  void SetDefOverLinkColor(TColor color) { defOverLinkColor_ = color; }
  TColor DefVisitedColor() const { return defVisitedColor_; }
  void SetDefVisitedColor(TColor color) { defVisitedColor_ = color; }
  bool NoLinkUnderline() const { return noLinkUnderline_; }
  void SetNoLinkUnderline(bool on) { noLinkUnderline_ = on; }
  bool ViewImages() const { return viewImages_; }
  void SetViewImages(bool on) { viewImages_ = on; }
  // Links whose expanded, lower-cased name is in the set are drawn in the visited colour.
  void SetVisitedLinks(std::shared_ptr<const std::set<std::string>> visited);
  // Colours the visited links again after the set changed.
  void CheckVisitedLinks();

  // A link target made a full Windows name relative to the shown page (see ExpandHtmlName).
  std::string HTMLExpandFilename(const QString& url) const;

  // The pixel size of the last picture file any viewer loaded.
  static QSize LastPictureSize();

  // The laid-out page, for printing on pages (QTextDocument::print or drawContents).
  QTextDocument* Document() const;
  QTextBrowser* Browser() const { return browser_; }

  // Printing. PrintPreview lays the page out on sheets of `target` at a print scale (2 cm
  // margins) and records each sheet; it returns the pages recorded. Print sends pages
  // `fromPage` to `toPage` (from 1) of the same layout to the printer; false when the printer
  // failed. Both raise OnPageEvent with 0 before the layout and then with each page, and stop
  // when told to; OnPrintHeader draws on each page when the target shows page numbers.
  int PrintPreview(TPageTarget& target, double scale);
  bool Print(TPageTarget& target, int fromPage, int toPage, double scale);
  // Backgrounds of the page, its tables and paragraphs are printed (htPrintTableBackground).
  bool PrintTableBackground = true;
  std::function<void(THTMLViewer*, int numPage, bool& stopPrinting)> OnPageEvent;
  // `painter` is in the sheet's units at the print scale, the paper's top-left corner at 0, 0,
  // `w` and `h` the paper's size in them.
  std::function<void(THTMLViewer*, QPainter& painter, int numPage, int w, int h, bool& stopPrinting)> OnPrintHeader;

  // Events. A link click comes before anything is followed; the viewer itself follows only
  // bare "#anchor" links when nobody set `handled`.
  // Events. A link click (an area of an image map, a submit button whose form names a page of
  // the book) comes before anything is followed; the viewer itself follows only bare
  // "#anchor" links when nobody set `handled`.
  std::function<void(THTMLViewer*, const QString& target, const QString& url, bool& handled)> OnLinkClick;
  // The mouse entered a link; `url` is empty when it left.
  std::function<void(THTMLViewer*, const QString& target, const QString& url)> OnLinkCovered;
  std::function<void(QKeyEvent*)> OnKeyDown;
  std::function<void(QPoint)> OnMouseMove;  // viewer coordinates
  std::function<void(Qt::MouseButtons, QPoint)> OnMouseDown;
  // The viewer got the keyboard focus or a click (the frame viewer's active frame).
  std::function<void(THTMLViewer*)> OnActivated;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Page;
  static TPreparsedPage PreparseHtml(const std::string& baseFile, const QString& html);
  void ShowPage(const QString& html);
  void ApplyAppearance();
  void IndexDocument();
  void BuildControls();
  void PlaceControls();
  void ButtonClicked(int control);
  void ColourLinks();
  void ScrollBrowserToAnchor(const QString& name);
  void SetHoverLink(const QString& href);
  // The href under a viewport point, as the page encodes it: a text link or a map's area.
  QString HotSpotAt(QPoint viewportPoint) const;
  bool AreaAt(QPoint viewportPoint, QString& href, QString& title) const;
  bool MouseMoved(QMouseEvent* event);
  void MouseReleased(QMouseEvent* event);
  QPoint ToViewport(QPoint viewerPoint) const;
  QPointF ToDocument(QPoint viewportPoint) const;

  QTextBrowser* browser_ = nullptr;
  THtmlDocument* document_ = nullptr;
  std::unique_ptr<Page> page_;
  std::string currentFile_;
  QString title_;
  QString hoverHref_;
  QString pressHref_;
  bool areaCursor_ = false;  // the hand is shown over an area of an image map
  QCursor savedCursor_;
  std::shared_ptr<const std::set<std::string>> visited_;

  QString defFontName_ = QStringLiteral("Times New Roman");
  TColor defFontColor_ = 0x000000;
  int defFontSize_ = 12;
  TColor defHotSpotColor_ = 0xFF0000;  // blue
  TColor defBackground_ = 0xFFFFFF;
  TColor defOverLinkColor_ = 0x0000FF;
  TColor defVisitedColor_ = 0x800080;
  bool noLinkUnderline_ = false;
  bool viewImages_ = true;
  // The text view brings its cursor into sight when it is first shown, which would leave a
  // page that opens with a picture taller than the view scrolled down: unless an anchor was
  // asked for, the position it had then is given back.
  bool browserShown_ = false;
  int positionBeforeShow_ = 0;
  bool anchorBeforeShow_ = false;
};
