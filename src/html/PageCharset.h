#pragma once
// The charset of a page and its text.

#include <QString>
#include <string>

// The charset a page declares in <meta charset=X> or <meta http-equiv="Content-Type"
// content="...charset=X">, lower-cased; empty when it declares none.
std::string DeclaredCharset(const std::string& bytes);

// The page's text: in its declared charset, Windows-1251 when it declares none or one that is
// not known here. A UTF-8 byte order mark wins over everything.
QString DecodePage(const std::string& bytes);
