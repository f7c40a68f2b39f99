#pragma once
// The contents files of the book's two trees: the table of contents (book, chapters and
// their sections) and the index of terms (letters and the sections they lead to).

#include <QByteArray>

// Windows-1251 lines ending in CR LF, each indented by TABs, "link;caption".
QByteArray ContentsFile();
QByteArray TermsFile();
