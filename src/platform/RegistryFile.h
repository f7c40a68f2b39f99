#pragma once
// Reading and writing the REGEDIT4-style text behind TRegistry.

#include <QByteArray>
#include <map>
#include <string>

struct TRegValue {
  enum class Type { String, Integer, Binary };
  Type type = Type::String;
  std::string text;  // String: the text; Binary: the bytes
  int integer = 0;
};

struct TRegKey {
  std::string name;  // full path as first written, e.g. "HKEY_CURRENT_USER\SOFTWARE\X"
  std::map<std::string, std::pair<std::string, TRegValue>> values;  // folded name -> (name, value)
};

// Keys by their folded (ASCII lower-cased) full path.
using TRegKeys = std::map<std::string, TRegKey>;

// Lines that cannot be read are ignored.
TRegKeys ParseRegistryText(const QByteArray& text);
QByteArray FormatRegistryText(const TRegKeys& keys);
