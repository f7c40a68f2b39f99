#pragma once
// The book's chapters: one page each, read in order, with a short contents of their own.

#include "PageTemplate.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ChapterSection {
  QString anchor;
  QString heading;
};

struct ChapterTitle {
  QString file;
  QString title;
  std::vector<ChapterSection> sections;
};

// In reading order.
std::vector<ChapterTitle> ChapterTitles();
std::vector<BookFile> ChapterPages();
