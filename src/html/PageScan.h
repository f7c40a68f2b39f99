#pragma once
// The quick pass of the page pre-parse: one walk over the page's tags, without a parse tree,
// that does what every page needs and tells whether the page needs the tree at all (most long
// pages do not, and parsing them costs as much as showing them):
// - every anchor name and id moves onto the first character drawn after it, the only place
//   Qt's importer keeps it (a picture or form control counts as a character);
// - links with a target, or under a base target, carry it in their href;
// - the title and the base target are read;
// - the nesting of the page is measured.

#include <QString>
#include <functional>

struct TPageScan {
  QString html;   // the page with anchors moved and targets in the hrefs
  QString title;  // whitespace collapsed, entities read
  QString baseTarget;
  int nesting = 0;  // how deep the page's tags nest, at most
  // The page has framesets, form controls, image maps, deep nesting or styles that hide
  // elements or draw borders round blocks: what the parse tree is needed for.
  bool needsTree = false;
};

// `styleSheet` gives the text of a linked style sheet (href as written); may be empty.
TPageScan ScanPage(const QString& page, const std::function<QString(const QString& href)>& styleSheet);

// Link hrefs that carry a target frame: a private form the importer keeps as it is.
QString EncodeLinkTarget(const QString& target, const QString& href);
// Splits an href back into target (empty when none) and URL as written.
void DecodeLinkTarget(const QString& href, QString& target, QString& url);
