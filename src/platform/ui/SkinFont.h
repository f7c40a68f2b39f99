#pragma once
// Fonts the book's descriptions name: a family, a size in points and a text of style words.

#include <QFont>
#include <string>

// Bold, italic, underline and strike-out wherever "bold", "italic", "underline" and
// "strikeout" occur in `styleWords` (ASCII letter case ignored). A size below 1 keeps the
// default size.
QFont FontFromStyleWords(const std::string& name, int points, const std::string& styleWords);
