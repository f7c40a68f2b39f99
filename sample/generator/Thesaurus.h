#pragma once
// The book's thesaurus: the skin of its window ("Tesaurus.txt" and its pictures), the index
// "tezaurus.idx" whose first line names the start page, and the page of term entries, each
// headed "~ " and the term.

#include "PageTemplate.h"
#include "SkinLayout.h"

#include <QImage>
#include <string>

// The thesaurus window: one screen, its window buttons, a search field with its button, the
// page pane and a status line.
SkinLayout ThesaurusLayout();
QImage DrawThesaurusScreen(const SkinLayout& layout);

inline const char* const ThesaurusIndexFile = "tezaurus.idx";
// In the page folder.
BookFile ThesaurusPage();
std::string ThesaurusIndex();
