#pragma once
// The pages around the chapters: welcome and contents, the framed reading view, tables for
// service, downloads and programs, the picture gallery and two pages written in UTF-8.

#include "PageTemplate.h"

#include <QStringList>
#include <vector>

std::vector<BookFile> ServicePages();

// Serial numbers offered on the downloads page.
QStringList SerialNumbers();
