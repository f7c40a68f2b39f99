#pragma once
// The book's chapters: one page each, read in order, with a short contents of their own.

#include "PageTemplate.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ChapterTitle {
  QString file;
  QString title;
};

// In reading order.
std::vector<ChapterTitle> ChapterTitles();
std::vector<BookFile> ChapterPages();
