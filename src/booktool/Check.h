#pragma once
// "check BOOK": what in a book would make the reader silently misbehave. Each part of the
// check adds findings; the book's folders and pack are open (Global) while they run.

#include "app/DescriptionSyntax.h"

#include <string>
#include <vector>

struct TFinding {
  std::string file;  // as the book names it, '/' between folders (UTF-8)
  int line = 0;      // from 1; 0 when the finding is about the whole file
  std::string text;  // UTF-8
};

class TFindings {
 public:
  // `windowsName` is the file's full Windows name.
  void Add(const std::string& windowsName, int line, const std::string& text);
  const std::vector<TFinding>& All() const { return findings_; }

 private:
  std::vector<TFinding> findings_;
};

// Every file of the pack reads back whole.
void CheckPackMembers(TFindings& findings);
// Line ends a reader that ends lines at CR alone would misread; `windowsName` may be missing.
void CheckLineEnds(const std::string& windowsName, TFindings& findings);
void CheckTitle(TFindings& findings);
// "Struct.txt": keys, elements, files and commands it names. Returns the contents files its
// trees name (full Windows names).
std::vector<std::string> CheckMainDescription(TFindings& findings);
void CheckContents(const std::string& contentsFile, TFindings& findings);
void CheckPages(TFindings& findings);
void CheckIndex(TFindings& findings);

// How findings name a book file: below the book folder when it is there, '/' between folders
// (UTF-8).
std::string BookRelative(const std::string& windowsName);
// The Windows name of a book file whose name a description gives relative to the book.
std::string BookFile(const std::string& name);
// Whether the book has the file: in the pack or on disk, anchor ignored.
bool BookHas(const std::string& windowsName);
// The pages of the book (".htm" and ".html"), in the pack and on disk, each once.
std::vector<std::string> BookPages();
// The anchors a page defines (<a name> and id attributes), letter case kept.
const std::vector<std::string>& PageAnchors(const std::string& page);
