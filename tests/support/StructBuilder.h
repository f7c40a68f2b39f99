#pragma once
// Main descriptions for tests, written as books write them: one element per line unless a
// test says otherwise, keys separated by ';'. Texts are given in UTF-8 and kept in
// Windows-1251.

#include "app/DescriptionSyntax.h"

#include <QByteArray>
#include <string>

class TStructBuilder {
 public:
  TStructBuilder& Line(const std::string& utf8);
  // "button<screen>" with every main key: pictures <name>1.bmp..<name>3.bmp, command
  // <name>, hint <name>, no sound, vx from a counter; `extra` is appended after ';'.
  TStructBuilder& Button(int screen, const std::string& name, const std::string& extra = {});
  // The minimize and close blocks, pictures min*.bmp and close*.bmp, Cyrillic hints.
  TStructBuilder& WindowButtons();
  TStructBuilder& Screen(int screen, const std::string& background);

  // As the reader receives them: ASCII letters lower-cased.
  TLines Lines() const;
  // The file "Struct.txt": lines ending in CR LF, case kept.
  QByteArray FileBytes() const;

 private:
  TLines lines_;
  int nextVx_ = 10;
};
