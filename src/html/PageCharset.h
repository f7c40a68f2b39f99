#pragma once
// The charset of a page and its text.

#include <QString>
#include <string>

// The charset a page declares in <meta charset=X> or <meta http-equiv="Content-Type"
// content="...charset=X">, lower-cased; empty when it declares none. Meta tags written in
// UTF-16 or UTF-32 are found too.
std::string DeclaredCharset(const std::string& bytes);

// The Unicode form of a page told by its byte-order mark, or without one by the zero bytes
// its markup leaves in the first bytes: "utf-8", "utf-16le", "utf-16be", "utf-32le",
// "utf-32be"; empty for an 8-bit page. `bomLength` is the length of the mark (0 when none).
std::string UnicodeForm(const std::string& bytes, size_t& bomLength);

// The page's text. A byte-order mark, or the zero bytes of UTF-16 and UTF-32, win over
// everything; then the declared charset; Windows-1251 when the page declares none or one
// that is not known here.
QString DecodePage(const std::string& bytes);
