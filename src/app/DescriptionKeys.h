#pragma once
// Reading key=value pairs of a description. A key is found by substring at its first
// occurrence in a line; integers and colours are read from the key's own position, tokens
// from the character after key=. Descriptions that keep their values as written are read from
// two copies of their lines: keys are looked for in the lower-cased copy and values taken from
// the same place of the copy as written.

#include "app/DescriptionSyntax.h"
#include "app/Errors.h"
#include "app/SkinModel.h"

#include <QPoint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Bold, italic, underline and strikeout wherever their words occur in `words`.
TFontStyles StylesFromWords(const std::string& words);

// Keys that may or may not stand on one line (caption keys): each reader sets `value` only
// when the line holds the key.
class TLineKeys {
 public:
  explicit TLineKeys(const std::string& line) : line_(line), values_(line) {}
  // `values` is `line` as written: the same length, letters in their own case.
  TLineKeys(const std::string& line, const std::string& values) : line_(line), values_(values) {}
  void Int(std::string_view key, int& value) const;
  void Token(std::string_view key, std::string& value) const;
  void Color(std::string_view key, TColor& value) const;
  void Styles(std::string_view key, TFontStyles& value) const;

 private:
  const std::string& line_;
  const std::string& values_;
};

// Where the reader found one key of an element: what a check of the description looks at.
struct TKeyRead {
  std::string element;  // the keyword that opened the element ("button", "close", ...)
  int elementLine;      // line indexes from 0
  std::string key;
  int searchedFrom;                // the line the search for the key began on
  int line;                        // the line it was read from
  std::string token;               // a token key's value as read
  std::vector<std::string> items;  // a list key's items as read
};
struct TSkinReadTrace {
  std::vector<TKeyRead> keys;
  // With a trace the reader goes on past a malformed element, noting its error here.
  std::vector<std::string> errors;
};

// The keys of one element, read in order from the element's first line on: each key is
// looked for from the current line on and read where it is found; the cursor stays there,
// so the next key may share the line. A key missing up to the end of the description is an
// EDataError naming the description and the element's first line.
class TKeyCursor {
 public:
  TKeyCursor(const TLines& lines, int line, std::string descriptionName, std::string element);
  // Keys in `lines`, values from `values`: the same lines as written (see above).
  TKeyCursor(const TLines& lines, const TLines& values, int line, std::string descriptionName, std::string element);

  int Line() const { return line_; }

  int Int(std::string_view key);
  std::string Token(std::string_view key);
  TColor Color(std::string_view key);
  TFontStyles Styles(std::string_view key);
  bool OnOff(std::string_view key);  // the token is "on"
  // Lists may span lines: the cursor ends on the line holding ']'.
  std::vector<std::string> List(std::string_view key);
  std::vector<QPoint> Vertices(std::string_view key);

  // Called with every line the cursor leaves while it looks for a key.
  std::function<void(const TLineKeys& line)> onLineLeft;
  // When set, every key read is added to it.
  TSkinReadTrace* trace = nullptr;

  EDataError Error(const std::string& what) const;

 private:
  // The key's 1-based position in the line the cursor moved to.
  int Seek(std::string_view key);

  // The line the cursor is on as written.
  const std::string& Values() const { return values_[line_]; }

  const TLines& lines_;
  const TLines& values_;
  int line_;
  int firstLine_;
  std::string descriptionName_, element_;
};
