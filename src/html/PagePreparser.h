#pragma once
// What Qt's rich-text importer drops from a page, read with gumbo before the page is shown:
// the title, the frameset structure, link targets, form controls and picture titles. The page
// comes back rewritten for the importer: links with a target carry it in their href (see
// EncodeLinkTarget), and each drop-down list is replaced by a placeholder picture of the
// list's size over which the viewer puts a real combo box.

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

struct TFramesetNode {
  bool isFrameset = false;
  QString rows, cols;          // of a frameset, as written
  QString name, src;           // of a frame
  std::vector<TFramesetNode> children;  // of a frameset: frames and framesets in order
};

enum class TPreparsedControlKind { Select, Input, TextArea, Button };

struct TPreparsedControl {
  TPreparsedControlKind kind = TPreparsedControlKind::Input;
  QString name;
  QStringList items;       // entries of a drop-down list
  int selectedIndex = -1;  // the entry marked selected, else the first, -1 for none
  QString placeholder;     // picture name that stands for a drop-down list in the page
};

struct TPreparsedImage {
  QString source, title;
};

struct TPreparsedPage {
  QString html;   // the page to give to the importer
  QString title;  // the text of <title>, whitespace collapsed
  QString baseTarget;
  bool isFrameset = false;
  TFramesetNode frameset;  // the outermost frameset of a frameset page
  std::vector<TPreparsedControl> controls;  // in page order
  std::vector<TPreparsedImage> images;      // in page order
};

// `placeholderSize` gives the size to reserve for a drop-down list with these entries.
TPreparsedPage PreparsePage(const QString& page,
                            const std::function<QSize(const QStringList& items)>& placeholderSize);

// Link hrefs that carry a target frame: a private form the importer keeps as it is.
QString EncodeLinkTarget(const QString& target, const QString& href);
// Splits an href back into target (empty when none) and URL as written.
void DecodeLinkTarget(const QString& href, QString& target, QString& url);

// Whether the pre-parse shows the page as its source text, because it nests too deeply to be
// parsed.
bool ShownAsSource(const QString& page);
