#pragma once
// The text a page shows, read straight from its markup without building or laying out a
// document: tags are taken apart, entities decoded and hidden elements left out the way the
// HTML engine's rich-text importer does it. It serves the book-wide searches, which only need
// to know whether a text can occur in a page, and the index builder, which needs its words.
//
// Markup is read as the importer reads it: any '<' opens a tag that ends at the first '>'
// outside quoted attribute values; "<!--" opens a comment up to "-->"; an entity is '&' and
// up to eight characters closed by ';'. The contents of "head", "title", "script", "style" and
// "link" elements are hidden. Where the importer's result could depend on more than this
// reading follows (styles that hide elements, tables and lists inside hidden elements, text
// loose in a table, entities outside the importer's table, pages nested so deeply that the
// engine shows their source) the result is marked as not faithful, and a caller that must not
// miss anything asks the engine itself.

#include <QString>
#include <QStringList>
#include <vector>

struct TPageText {
  // The visible characters in order, whitespace as written. Tags that start a block or stand
  // for a picture or control leave a line feed between the words around them.
  QString text;
  QString title;            // of the first "title" element, blanks collapsed
  QStringList styleSheets;  // the href of every "link" element whose rel is "stylesheet"
  bool faithful = true;
};

// `page` is the decoded page (see DecodePage).
TPageText ReadPageText(const QString& page);

// The named entities the reader decodes, with their characters; for tests.
struct TNamedEntity {
  const char* name;
  char16_t code;
};
const std::vector<TNamedEntity>& NamedEntities();
