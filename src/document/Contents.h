#pragma once
// The book's table of contents as its contents file gives it, and the walks the contents
// tree makes over it: chapters, captions and the page an item names. Texts are Windows-1251.

#include "app/DescriptionSyntax.h"

#include <string>
#include <vector>

struct TContentsEntry {
  std::string link;  // a page name as the shown file's name ends, maybe with "#anchor"
  std::string caption;
  int depth = 0;    // 0 = top level
  int parent = -1;  // index of the parent entry, -1 at the top level
};

// Entries deeper than this are kept at this depth: a tree nesting thousands of levels would
// exhaust the stack of the widgets that show it.
constexpr int kMaxContentsDepth = 64;

// One entry per line that is not empty, in file order: leading TABs give the depth (a line
// indented deeper than the one before becomes its child, however many TABs deeper), the text
// up to the first ';' is the link and the text after it, up to the next ';', the caption.
std::vector<TContentsEntry> ParseContents(const TLines& lines);
// The contents file `fileName` (pack or disk); no entries when it is in neither place.
std::vector<TContentsEntry> ReadContentsFile(const std::string& fileName);

// Whether the page `file` is the one `link` names: the names are equal, or `file` ends in
// `link` after a folder separator. Letter case is ignored; both are trimmed; an empty link
// names nothing.
bool LinkNamesFile(const std::string& link, const std::string& file);

// The chapter after (`step` 1) or before (`step` -1) entry `selected`: the nearest entry that
// way whose trimmed link is not empty and differs from the selected entry's link. -1 when
// there is none.
int ChapterStep(const std::vector<TContentsEntry>& entries, int selected, int step);

// What a chapter button says of entry `index`: the parent's caption, " : " and the caption,
// or the caption alone at the top level; empty outside the entries.
std::string ChapterHint(const std::vector<TContentsEntry>& entries, int index);

// The first entry from `start` to the last, then from the first up to `start`, whose caption
// contains `text`, letter case ignored; -1 when none does.
int FindCaption(const std::vector<TContentsEntry>& entries, int start, const std::string& text);
