#pragma once
// The pages around the chapters: welcome and contents, the framed reading view, tables for
// service, downloads and programs, the picture gallery (with a map of the car and a small
// form) and two pages written in UTF-8.

#include "PageTemplate.h"

#include <QStringList>
#include <utility>
#include <vector>

std::vector<BookFile> ServicePages();

// The reference pages after the chapters, as the index page lists them: file and title.
std::vector<std::pair<QString, QString>> ReferencePages();

// Serial numbers offered on the downloads page.
QStringList SerialNumbers();
